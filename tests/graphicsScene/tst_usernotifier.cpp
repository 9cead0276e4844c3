// SPDX-License-Identifier: GPL-3.0-or-later
#include "usernotifier.h"

#include <QtTest>

namespace {
struct Recorder : UserNotifier
{
    QStringList seen;
    void notify(Kind kind, QWidget *, const QString &title, const QString &text) override
    {
        seen << QString("%1|%2|%3").arg(kind == Kind::Warning ? "W" : "I", title, text);
    }
};
} // namespace

class TestUserNotifier : public QObject
{
    Q_OBJECT
private slots:
    void installedNotifierReceivesBoxesAndCanBeRemoved()
    {
        Recorder rec;
        UserNotifier::install(&rec);
        UserNotifier::warning(nullptr, "Qt Drawing", "oops");
        UserNotifier::information(nullptr, "t", "info");
        QCOMPARE(rec.seen, QStringList({"W|Qt Drawing|oops", "I|t|info"}));
        UserNotifier::install(nullptr);
        QVERIFY(&UserNotifier::current() != &rec);
    }
};

QTEST_MAIN(TestUserNotifier)
#include "tst_usernotifier.moc"
