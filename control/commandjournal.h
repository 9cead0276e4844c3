// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "commandrecord.h"

#include <QHash>
#include <QJsonObject>
#include <QObject>
#include <QStringList>

#include <functional>

class Fleet;
class Journal;

// Writes the Fleet's commands, and whatever else is done on this PC, into
// the journal, one line each, before the command goes out: "message sent"
// (file, SHA-256, bytes, coders), "print parameters" (each changed field,
// old and new, per group of coders that had the same block), "start",
// "stop", "remark name", "port", and "command failed" for coders a command
// did not reach.  A command from the plant bus is written with the broker
// account and the user it claims, marked as claimed.
//
// When a line cannot be written, the action is refused while failing
// closed (users sign in); otherwise it goes ahead and problem() says that it
// is not in the journal.
class CommandJournal : public QObject, public CommandRecorder
{
    Q_OBJECT
public:
    // Becomes the Fleet's recorder, and stops being it when destroyed.
    CommandJournal(Fleet *fleet, Journal *journal, QObject *parent = nullptr);
    ~CommandJournal() override;

    Journal *journal() const { return m_journal; }
    // Whose actions are written; the default is the system login name.
    void setUser(const QString &user) { m_user = user; }
    QString user() const { return m_user; }
    void setFailClosed(bool on) { m_failClosed = on; }
    bool failsClosed() const { return m_failClosed; }
    // Asked first about every command: why it may not go out (who may do
    // what), or empty.  Null: everything may.
    void setPolicy(std::function<QString(const CommandRecord &)> policy)
    {
        m_policy = std::move(policy);
    }

    // Takes up the journal; what it found goes to problem().
    void open();
    // Writes one line for an action of the user's (or of user's, when
    // given).  Empty when the action may go ahead; else why it may not.
    QString record(const QString &action, const QJsonObject &fields = QJsonObject(),
                   const QString &user = QString());

    // The designer's saves: "message saved" with the SHA-256 of the file
    // before and after.  While failing closed, a save is refused (the
    // reason is returned) when the journal cannot be written now.
    QString messageSaving(const QString &path);
    void messageSaved(const QString &path);

    QString before(const CommandRecord &command) override;
    void after(const CommandRecord &command, const CommandResult &result) override;

    // A line's coders as the operator names them ("192.168.1.20 (Line 3)").
    static QStringList coderNames(const QJsonObject &line);
    // What a line says beyond its action, user and coders, in words.
    static QString details(const QJsonObject &line);
    // The journal's name of a command: "message sent", "start" ...
    static QString actionKey(CommandResult::Action action);

signals:
    void problem(const QString &text);

private:
    Fleet *m_fleet;
    Journal *m_journal;
    QString m_user;
    bool m_failClosed = false;
    std::function<QString(const CommandRecord &)> m_policy;
    // SHA-256 of each file as it was before its save; empty: a new file.
    QHash<QString, QString> m_beforeSave;
};
