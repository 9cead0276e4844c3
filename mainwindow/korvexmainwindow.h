// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QMainWindow>

class GraphicsScene;
class GraphicsView;
class TcpServer;

namespace Ui {
class KorvexMainWindow;
}

// The one window of the control application.
class KorvexMainWindow : public QMainWindow
{
    Q_OBJECT
public:
    // The TCP port coders connect to.
    static constexpr quint16 kDefaultServerPort = 64032;

    // port 0 lets the system pick one (tests).
    explicit KorvexMainWindow(QWidget *parent = nullptr, quint16 port = kDefaultServerPort);
    ~KorvexMainWindow() override;

    GraphicsView *previewView() const;
    GraphicsScene *previewScene() const { return m_preview; }
    TcpServer *server() const { return m_tcpServer; }

private:
    Ui::KorvexMainWindow *ui;
    TcpServer *m_tcpServer;
    GraphicsScene *m_preview;
};
