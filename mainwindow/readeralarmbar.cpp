// SPDX-License-Identifier: GPL-3.0-or-later
#include "readeralarmbar.h"

#include "coder.h"
#include "fleet.h"
#include "readerservice.h"
#include "readerwatch.h"
#include "session.h"
#include "station.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

const char kAlarmStyle[] = "QFrame#readerRow { background: #c62828; border-radius: 3px; }"
                           "QFrame#readerRow QLabel { color: white; font-weight: bold; }";
const char kReminderStyle[] = "QFrame#readerRow { background: #f9a825; border-radius: 3px; }"
                              "QFrame#readerRow QLabel { color: black; }";

} // namespace

ReaderAlarmBar::ReaderAlarmBar(Station *station, ReaderService *readers, QWidget *parent)
    : QFrame(parent), m_station(station), m_readers(readers), m_rows(new QVBoxLayout(this))
{
    setObjectName(QStringLiteral("readerAlarmBar"));
    m_rows->setContentsMargins(0, 0, 0, 2);
    m_rows->setSpacing(2);
    connect(readers, &ReaderService::alarmsChanged, this, &ReaderAlarmBar::refresh);
    // The service may go before the window.
    connect(readers, &QObject::destroyed, this, [this] {
        m_readers = nullptr;
        refresh();
    });
    connect(station->fleet(), &Fleet::stateChanged, this, &ReaderAlarmBar::refresh);
    connect(station->fleet(), &Fleet::coderAdded, this, &ReaderAlarmBar::refresh);
    connect(station->fleet(), &Fleet::coderRemoved, this, &ReaderAlarmBar::refresh);
    connect(station->session(), &Session::changed, this, &ReaderAlarmBar::refresh);
    m_daily.setInterval(60 * 1000);
    connect(&m_daily, &QTimer::timeout, this, &ReaderAlarmBar::refresh);
    m_daily.start();
    refresh();
}

QString ReaderAlarmBar::refusal() const
{
    const Session *session = m_station->session();
    if (!session->usersOn())
        return QString();
    if (!session->signedIn())
        return tr("Sign in as a Supervisor to handle the code readers.");
    if (int(session->role()) < int(Role::Supervisor))
        return tr("Only a Supervisor or Administrator may acknowledge a reader alarm or start a "
                  "challenge test; %1 is signed in as %2.")
            .arg(session->userName(), Roles::displayName(session->role()));
    return QString();
}

void ReaderAlarmBar::addRow(const QString &text, const QString &button, const QString &name,
                            bool alarm, const std::function<QString()> &action)
{
    auto *row = new QFrame(this);
    row->setObjectName(QStringLiteral("readerRow"));
    row->setStyleSheet(QLatin1String(alarm ? kAlarmStyle : kReminderStyle));
    auto *layout = new QHBoxLayout(row);
    layout->setContentsMargins(8, 4, 4, 4);
    auto *label = new QLabel(text, row);
    label->setObjectName(QStringLiteral("readerText"));
    label->setWordWrap(true);
    layout->addWidget(label, 1);
    if (!button.isEmpty()) {
        auto *push = new QPushButton(button, row);
        push->setObjectName(name);
        push->setToolTip(refusal());
        connect(push, &QPushButton::clicked, this, [this, action] {
            QString refused = refusal();
            if (refused.isEmpty())
                refused = action();
            if (!refused.isEmpty())
                emit problem(refused);
            refresh();
        });
        layout->addWidget(push);
    }
    m_rows->addWidget(row);
}

void ReaderAlarmBar::refresh()
{
    while (QLayoutItem *item = m_rows->takeAt(0)) {
        if (QWidget *w = item->widget())
            w->deleteLater();
        delete item;
    }
    if (!m_readers) {
        setVisible(false);
        return;
    }
    for (const auto &owned : m_readers->watches()) {
        ReaderWatch *watch = owned.get();
        const QString name = watch->settings().name;
        if (watch->alarm() != ReaderWatch::Alarm::None) {
            addRow(tr("Reader alarm: %1").arg(watch->alarmText()), tr("Acknowledge"),
                   QStringLiteral("acknowledge-%1").arg(name), true,
                   [watch] { return watch->acknowledge(); });
            continue;
        }
        const Coder *coder = m_station->fleet()->coder(watch->coder());
        if (watch->challengeRunning()) {
            addRow(tr("%1: challenge test running; let up to %2 wrong or missing codes pass")
                       .arg(watch->coderName())
                       .arg(watch->stopAfter()),
                   QString(), QString(), false, nullptr);
        } else if (coder && coder->state == CoderState::Printing &&
                   !watch->challengePassedToday()) {
            addRow(tr("%1: No passed challenge test today").arg(watch->coderName()),
                   tr("Start challenge test"), QStringLiteral("challenge-%1").arg(name), false,
                   [watch] { return watch->startChallenge(); });
        }
    }
    setVisible(m_rows->count() > 0);
}

QStringList ReaderAlarmBar::rows() const
{
    QStringList texts;
    for (int i = 0; i < m_rows->count(); ++i) {
        if (QWidget *row = m_rows->itemAt(i)->widget())
            texts << row->findChild<QLabel *>(QStringLiteral("readerText"))->text();
    }
    return texts;
}
