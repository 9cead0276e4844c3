// SPDX-License-Identifier: GPL-3.0-or-later
#include "../common/promptslayer.h"
#include "../common/recordingnotifier.h"
#include "prompts.h"

#include <QDialog>
#include <QtTest>

namespace {

// Answers everything and writes down what it was asked.
struct Recorder : Prompts
{
    QStringList seen;
    void notify(Kind kind, QWidget *, const QString &title, const QString &text) override
    {
        seen << QString("%1|%2|%3").arg(kind == Kind::Warning ? "W" : "I", title, text);
    }
    Answer askSaveChanges(QWidget *, const QString &, const QString &text) override
    {
        seen << "ask|" + text;
        return Answer::Discard;
    }
    QString openFileName(QWidget *, const QString &caption, const QString &dir,
                         const QString &filter) override
    {
        seen << "open|" + caption + '|' + dir + '|' + filter;
        return "a.spr";
    }
    QString saveFileName(QWidget *, const QString &caption, const QString &, const QString &,
                         const QString &suffix) override
    {
        seen << "save|" + caption + '|' + suffix;
        return "b.spr";
    }
    int run(QDialog *dialog) override
    {
        seen << "run|" + dialog->objectName();
        return QDialog::Accepted;
    }
};

} // namespace

class TestPrompts : public QObject
{
    Q_OBJECT
private slots:
    void everyPromptGoesToTheInstalledOne()
    {
        Recorder rec;
        QCOMPARE(Prompts::install(&rec), nullptr);
        QDialog dialog;
        dialog.setObjectName("remark");
        Prompts::warning(nullptr, "Qt Drawing", "oops");
        Prompts::information(nullptr, "t", "info");
        QCOMPARE(Prompts::askToSave(nullptr, "t", "unsaved"), Prompts::Answer::Discard);
        QCOMPARE(Prompts::fileToOpen(nullptr, "Open", "Spray", "*.spr"), QString("a.spr"));
        QCOMPARE(Prompts::fileToSave(nullptr, "Save", "Spray", "*.spr", "spr"), QString("b.spr"));
        QCOMPARE(Prompts::exec(&dialog), int(QDialog::Accepted));
        QCOMPARE(rec.seen, QStringList({"W|Qt Drawing|oops", "I|t|info", "ask|unsaved",
                                        "open|Open|Spray|*.spr", "save|Save|spr", "run|remark"}));
        QCOMPARE(Prompts::install(nullptr), &rec);
        QVERIFY(&Prompts::current() != &rec);
    }

    // A test's recorder of boxes and its script of dialogs stand together;
    // what neither answers reaches the prompts below them, and each undoes
    // only its own replacement.
    void layersPassOnWhatTheyDoNotAnswer()
    {
        Recorder bottom;
        Prompts::install(&bottom);
        {
            RecordingNotifier boxes;
            ScriptedDialogs dialogs;
            dialogs.answer<QDialog>([](QDialog *d) { return d->objectName() == "yes" ? 1 : 0; });
            QDialog yes;
            yes.setObjectName("yes");
            Prompts::warning(nullptr, "W", "kept");
            QCOMPARE(Prompts::exec(&yes), 1);
            QCOMPARE(Prompts::fileToOpen(nullptr, "Open", ".", "*"), QString("a.spr"));
            QCOMPARE(boxes.texts(), QStringList{"kept"});
            QCOMPARE(dialogs.runs, 1);
        }
        QCOMPARE(&Prompts::current(), &bottom);
        QCOMPARE(bottom.seen, QStringList{"open|Open|.|*"});
        Prompts::install(nullptr);
    }
};

QTEST_MAIN(TestPrompts)
#include "tst_prompts.moc"
