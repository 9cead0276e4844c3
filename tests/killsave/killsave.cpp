// SPDX-License-Identifier: GPL-3.0-or-later
// Kills saves midway:
//   killsave control|editor <folder> <items> <kills> <seed>
// Builds two messages of <items> text items (A and B), then <kills> times
// forks a child that saves the other message over <folder>/message.spr and
// kills it (SIGKILL) at a random moment between the start of the save and a
// little after its usual end.  After each kill the file must be A or B,
// whole, and the folder must hold nothing else.  Prints one line of figures;
// exits 1 at the first violation.
//
// Kills journal appends midway:
//   killsave journal <folder> <lines> <kills> <seed>
// <kills> times forks a child that takes up the journal in <folder> and
// appends <lines> lines, and kills it at a random moment.  After each kill
// the journal must check whole up to its last whole line; after every other
// kill the harness also leaves a part of a line at the end, as power lost
// in the middle of a write would, which the next child must take up.
// Links both programs' writers: a test program, part of neither product.
#include "diagramscene.h"
#include "diagramtextitem.h"
#include "graphicsscene.h"
#include "graphicstextitem.h"
#include "journal.h"
#include "journalcheck.h"
#include "messagefile.h"
#include "messagewriter.h"
#include "prompts.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QJsonArray>
#include <QRegularExpression>

#include <csignal>
#include <cstdio>
#include <memory>
#include <random>
#include <sys/wait.h>
#include <unistd.h>

namespace {

// One message of either program, ready to be saved.
class Message
{
public:
    virtual ~Message() = default;
    virtual bool save(const QString &path) = 0;
};

class ControlMessage : public Message
{
public:
    ControlMessage(const QString &variant, int items)
    {
        for (int i = 0; i < items; ++i) {
            auto *item = new GraphicsTextItem;
            item->setPlainText(QStringLiteral("%1 item %2").arg(variant).arg(i));
            item->setPos(i % 50 * 40, i / 50 * 20);
            m_scene.addItem(item);
        }
    }
    bool save(const QString &path) override { return MessageFile::save(m_scene, path).ok; }

private:
    GraphicsScene m_scene;
};

class EditorMessage : public Message
{
public:
    EditorMessage(const QString &variant, int items)
    {
        for (int i = 0; i < items; ++i) {
            auto *item = new diagramTextItem;
            item->setContent(QStringLiteral("%1 item %2").arg(variant).arg(i));
            m_scene.addItem(item);
            item->setPos(i % 50 * 40, i / 50 * 20);
        }
    }
    bool save(const QString &path) override { return messageWriter::save(m_scene, path); }

private:
    diagramScene m_scene;
};

QByteArray readAll(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

bool appendLines(const QString &folder, int lines)
{
    Journal journal(folder);
    const QJsonObject fields{
        {QStringLiteral("coders"),
         QJsonArray{QJsonObject{{QStringLiteral("ip"), QStringLiteral("192.168.1.20")}}}},
        {QStringLiteral("file"), QStringLiteral("label1.spr")},
        {QStringLiteral("sha256"), QString(64, QLatin1Char('a'))}};
    for (int i = 0; i < lines; ++i) {
        if (!journal.append(QStringLiteral("anna"), QStringLiteral("message sent"), fields).ok)
            return false;
    }
    return true;
}

int killAppends(const QString &folderPath, int lines, int kills, std::mt19937 &random)
{
    const QString folder = QDir(folderPath).filePath(QStringLiteral("journal"));
    QElapsedTimer clock;
    clock.start();
    const pid_t probe = fork();
    if (probe < 0)
        return 1;
    if (probe == 0)
        _exit(appendLines(folder, lines) ? 0 : 1);
    int probeStatus = 0;
    waitpid(probe, &probeStatus, 0);
    const qint64 appendMicros = clock.nsecsElapsed() / 1000;
    if (!WIFEXITED(probeStatus) || WEXITSTATUS(probeStatus) != 0 || !checkJournal(folder).ok)
        return 1;
    const QByteArray sample =
        QByteArray("{\"action\":\"message sent\",\"coders\":[{\"ip\":\"192.168.1.20\"}],") +
        QByteArray(200, 'x');

    qint64 wholeLines = 0;
    int cutLeft = 0, headBehind = 0, cutSeen = 0;
    for (int i = 0; i < kills; ++i) {
        const pid_t child = fork();
        if (child < 0)
            return 1;
        if (child == 0)
            _exit(appendLines(folder, lines) ? 0 : 1);
        usleep(useconds_t(random() % quint64(appendMicros * 13 / 10 + 1)));
        kill(child, SIGKILL);
        int status = 0;
        waitpid(child, &status, 0);
        const JournalCheck check = checkJournal(folder);
        if (!check.ok || check.lines < wholeLines) {
            std::printf("kill %d: %s (%lld lines before)\n", i, qPrintable(check.text()),
                        wholeLines);
            return 1;
        }
        wholeLines = check.lines;
        for (const QString &warning : check.warnings) {
            if (warning.contains(QLatin1String("cut off")))
                ++cutSeen;
            else if (warning.contains(QLatin1String("behind")))
                ++headBehind;
        }
        if (i % 2 == 1) {
            QStringList months =
                QDir(folder).entryList({QStringLiteral("*.jsonl")}, QDir::Files, QDir::Name);
            QFile last(folder + QLatin1Char('/') + months.last());
            if (!last.open(QIODevice::WriteOnly | QIODevice::Append))
                return 1;
            last.write(sample.left(int(1 + random() % quint64(sample.size() - 1))));
            last.close();
            ++cutLeft;
            const JournalCheck torn = checkJournal(folder);
            if (!torn.ok || torn.lines != wholeLines) {
                std::printf("kill %d, a line left cut off: %s\n", i, qPrintable(torn.text()));
                return 1;
            }
        }
    }
    // One run to its end takes up what the last kill left.
    if (!appendLines(folder, 1))
        return 1;
    const JournalCheck last = checkJournal(folder);
    if (!last.ok || !last.warnings.isEmpty()) {
        std::printf("after a whole run: %s %s\n", qPrintable(last.text()),
                    qPrintable(last.warnings.join(QLatin1Char(' '))));
        return 1;
    }
    QStringList left = QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::System);
    left.removeAll(QStringLiteral("HEAD"));
    left.removeAll(QStringLiteral("LOCK"));
    const QRegularExpression month(QStringLiteral("^[0-9]{4}-[0-9]{2}\\.jsonl$"));
    const QRegularExpression spared(QStringLiteral("^HEAD\\.([a-z]{6}|[A-Z]{6}|[A-Z][a-z]{5})$"));
    int sparedTemporaries = 0;
    for (const QString &name : left) {
        if (spared.match(name).hasMatch()) {
            ++sparedTemporaries;
        } else if (!month.match(name).hasMatch()) {
            std::printf("after a whole run, left behind: %s\n", qPrintable(name));
            return 1;
        }
    }
    std::printf("journal: %d kills of a %d-line append (%lld us): the journal checked whole "
                "after each (%lld lines at the end); %d lines left cut off by the harness and "
                "taken up, %d cut-off lines and %d heads one line behind seen after a kill, %d "
                "head temporaries shaped like a person's copy spared\n",
                kills, lines, appendMicros, last.lines, cutLeft, cutSeen, headBehind,
                sparedTemporaries);
    return 0;
}

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 6)
        return 2;
    const bool control = args.at(1) == QLatin1String("control");
    const QDir folder(args.at(2));
    const int items = args.at(3).toInt();
    const int kills = args.at(4).toInt();
    std::mt19937 random(args.at(5).toUInt());
    if (args.at(1) == QLatin1String("journal"))
        return killAppends(args.at(2), items, kills, random);
    const QString path = folder.filePath(QStringLiteral("message.spr"));

    std::unique_ptr<Message> a, b;
    if (control) {
        a = std::make_unique<ControlMessage>(QStringLiteral("A"), items);
        b = std::make_unique<ControlMessage>(QStringLiteral("B"), items);
    } else {
        a = std::make_unique<EditorMessage>(QStringLiteral("A"), items);
        b = std::make_unique<EditorMessage>(QStringLiteral("B"), items);
    }
    if (!b->save(path))
        return 1;
    const QByteArray bytesB = readAll(path);
    // How long a forked child takes to save, fork included: the moments to
    // kill at are drawn from this span and a little more.
    QElapsedTimer clock;
    clock.start();
    const pid_t probe = fork();
    if (probe < 0)
        return 1;
    if (probe == 0)
        _exit(b->save(path) ? 0 : 1);
    int probeStatus = 0;
    waitpid(probe, &probeStatus, 0);
    const qint64 saveMicros = clock.nsecsElapsed() / 1000;
    if (!WIFEXITED(probeStatus) || WEXITSTATUS(probeStatus) != 0 || readAll(path) != bytesB)
        return 1;
    if (!a->save(path))
        return 1;
    const QByteArray bytesA = readAll(path);
    if (bytesA == bytesB || bytesA.size() < 1000)
        return 1;

    int old = 0, fresh = 0, temporaries = 0, spared = 0;
    // "message.spr." and six letters all lower case, all upper case, or one
    // capital and then lower case.
    const QRegularExpression sparedShape(
        QStringLiteral("^message\\.spr\\.([a-z]{6}|[A-Z]{6}|[A-Z][a-z]{5})$"));
    for (int i = 0; i < kills; ++i) {
        const QByteArray before = readAll(path);
        Message *next = before == bytesA ? b.get() : a.get();
        const pid_t child = fork();
        if (child < 0)
            return 1;
        if (child == 0)
            _exit(next->save(path) ? 0 : 1);
        usleep(useconds_t(random() % quint64(saveMicros * 13 / 10 + 1)));
        kill(child, SIGKILL);
        int status = 0;
        waitpid(child, &status, 0);
        const QByteArray after = readAll(path);
        if (after != bytesA && after != bytesB) {
            std::printf("kill %d: the file holds %d bytes, neither message\n", i,
                        int(after.size()));
            return 1;
        }
        (after == before ? old : fresh)++;
        // A kill between QSaveFile's link of its temporary and the rename
        // leaves that temporary; the next save that completes removes it,
        // unless its random letters happen to look like a name a person
        // gives a copy (3 in 64): the writers spare those rather than risk
        // deleting a user's file.  Such a temporary is counted and removed
        // here, so that the checks below still see everything else.
        for (const QString &name : folder.entryList(QDir::Files | QDir::Hidden | QDir::System)) {
            if (sparedShape.match(name).hasMatch() && QFile::remove(folder.filePath(name)))
                ++spared;
        }
        const QStringList left = folder.entryList(QDir::Files | QDir::Hidden | QDir::System);
        if (left.size() > 1)
            ++temporaries;
        if (left.size() > 3 || !left.contains(QStringLiteral("message.spr"))) {
            std::printf("kill %d: left behind: %s\n", i, qPrintable(left.join(QLatin1Char(' '))));
            return 1;
        }
    }
    if (!a->save(path)) // one save to its end
        return 1;
    const QStringList left = folder.entryList(QDir::Files | QDir::Hidden | QDir::System);
    if (left != QStringList{QStringLiteral("message.spr")}) {
        std::printf("after a completed save, left behind: %s\n",
                    qPrintable(left.join(QLatin1Char(' '))));
        return 1;
    }
    std::printf("%s: %d kills of a %d-item save (%lld us, %d bytes): %d left the old message, "
                "%d the new one, none a mix; %d left a temporary (%d shaped like a person's copy, "
                "spared by the writers and removed here; the rest removed by the next save)\n",
                control ? "control" : "editor", kills, items, saveMicros, int(bytesA.size()), old,
                fresh, temporaries + spared, spared);
    return 0;
}
