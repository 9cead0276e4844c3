// SPDX-License-Identifier: GPL-3.0-or-later
#include "eventlog.h"

#include "controllog.h"

#include <QDateTime>

EventLog::EventLog(QWidget *parent) : QListWidget(parent)
{
    setObjectName(QStringLiteral("eventLog"));
    setSelectionMode(QAbstractItemView::NoSelection);
    setFocusPolicy(Qt::NoFocus);
    setUniformItemSizes(true);
}

void EventLog::add(Level level, const QString &text)
{
    const QString line = QDateTime::currentDateTime().toString(QStringLiteral("HH:mm:ss ")) + text;
    auto *item = new QListWidgetItem(line);
    if (level == Level::Problem) {
        item->setForeground(QColor(180, 0, 0));
        qCWarning(lcControl).noquote() << text;
    } else {
        qCDebug(lcControl).noquote() << text;
    }
    addItem(item);
    while (count() > kMaxLines)
        delete takeItem(0);
    scrollToBottom();
    emit eventAdded(line);
}

QSize EventLog::sizeHint() const
{
    const int row = fontMetrics().height();
    return {QListWidget::sizeHint().width(), kOpeningLines * row + 2 * frameWidth()};
}

QStringList EventLog::lines() const
{
    QStringList all;
    for (int i = 0; i < count(); ++i)
        all << item(i)->text();
    return all;
}
