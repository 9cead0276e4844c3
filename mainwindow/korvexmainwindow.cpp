// SPDX-License-Identifier: GPL-3.0-or-later
#include "korvexmainwindow.h"

#include "graphicsscene.h"
#include "graphicsview.h"
#include "tcpserver.h"
#include "ui_korvexmainwindow.h"

KorvexMainWindow::KorvexMainWindow(QWidget *parent, quint16 port)
    : QMainWindow(parent), ui(new Ui::KorvexMainWindow), m_tcpServer(new TcpServer(this, port)),
      m_preview(new GraphicsScene(this))
{
    ui->setupUi(this);
    ui->graphicsView->setScene(m_preview);
    ui->graphicsView->setHeadMask(15);
}

KorvexMainWindow::~KorvexMainWindow()
{
    delete ui;
}

GraphicsView *KorvexMainWindow::previewView() const
{
    return ui->graphicsView;
}
