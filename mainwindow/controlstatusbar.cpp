// SPDX-License-Identifier: GPL-3.0-or-later
#include "controlstatusbar.h"

#include <QLabel>

ControlStatusBar::ControlStatusBar(QWidget *parent)
    : QStatusBar(parent), m_port(new QLabel(this)), m_coders(new QLabel(this)),
      m_lastEvent(new QLabel(this))
{
    setObjectName(QStringLiteral("controlStatusBar"));
    m_lastEvent->setTextFormat(Qt::PlainText);
    // A long event is cut rather than widening the window's least width.
    m_lastEvent->setMinimumWidth(100);
    addWidget(m_lastEvent, 1);
    addPermanentWidget(m_coders);
    addPermanentWidget(m_port);
    setListeningPort(0);
    setCoderCount(0);
}

void ControlStatusBar::setListeningPort(quint16 port)
{
    m_port->setText(port ? tr("Listening on port %1").arg(port) : tr("Not listening"));
}

void ControlStatusBar::setCoderCount(int count)
{
    m_coders->setText(tr("%n coder(s) connected", nullptr, count));
}

void ControlStatusBar::setLastEvent(const QString &text)
{
    m_lastEvent->setText(text);
}

QString ControlStatusBar::portText() const
{
    return m_port->text();
}

QString ControlStatusBar::coderCountText() const
{
    return m_coders->text();
}

QString ControlStatusBar::lastEventText() const
{
    return m_lastEvent->text();
}
