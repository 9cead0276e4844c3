// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStatusBar>

class QLabel;

// The window's status bar: the port coders connect to, how many are
// connected, and the last event of the event log.
class ControlStatusBar : public QStatusBar
{
    Q_OBJECT
public:
    explicit ControlStatusBar(QWidget *parent = nullptr);

    // 0: not listening.
    void setListeningPort(quint16 port);
    void setCoderCount(int count);
    void setLastEvent(const QString &text);

    QString portText() const;
    QString coderCountText() const;
    QString lastEventText() const;

private:
    QLabel *m_port;
    QLabel *m_coders;
    QLabel *m_lastEvent;
};
