// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "framedecoder.h"
#include "protocol.h"

#include <QTcpSocket>
#include <QtTest>

// A coder the test drives by hand: records every frame body the window sends
// and sends whatever the test asks, on 127.0.0.1.
struct RawCoder : QObject
{
    QTcpSocket socket;
    FrameDecoder decoder;
    QList<QByteArray> received; // frame bodies: command byte plus payload

    explicit RawCoder(quint16 port)
    {
        connect(&socket, &QTcpSocket::readyRead, this, [this] {
            decoder.feed(socket.readAll());
            QByteArray body;
            while (decoder.next(&body))
                received << body;
        });
        socket.connectToHost(QHostAddress::LocalHost, port);
        socket.waitForConnected(2000);
    }
    void send(quint8 command, const QByteArray &payload)
    {
        socket.write(packFrame(command, payload));
        socket.flush();
    }
    QList<quint8> commands() const
    {
        QList<quint8> all;
        for (const QByteArray &body : received)
            all << quint8(body.at(0));
        return all;
    }
};
