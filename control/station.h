// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "commandrecord.h"
#include "commandresult.h"
#include "messagecheck.h"

#include <QObject>
#include <QStringList>

#include <memory>
#include <optional>

class CommandJournal;
class Fleet;
class Journal;
class Session;
class StationSettings;
class UserStore;

// One control station: everything a line's PC runs for its coders, built
// the same way by the window and by the service.  It owns the Fleet (with
// its server and the coders' copies), the journal and the recorder that
// writes every command into it, the users file and the session, and the
// settings of "korvex.conf", and it works in the folder it is started in:
//   Spray/        the message files
//   devices/      the copies of what was sent to and reported by each coder
//   journal/      the journal of everything done
//   users.json    the users, when they sign in
//   korvex.conf   the settings both programs read
// Every message on its way to a coder, from any sender, is loaded and
// checked here first: a file that does not load as a message never goes
// out, and one with pre-flight findings goes out only when the sender
// accepts them (never over the plant bus).
class Station : public QObject
{
    Q_OBJECT
public:
    static constexpr const char *kMessageFolder = "Spray";

    struct Options
    {
        // The settings file; empty: korvex.conf of the working folder.
        QString settingsPath;
        // A missing settings file is an error (the service named one).
        bool settingsRequired = false;
        // Listen here instead of the settings' port (tests: 0, any port).
        std::optional<quint16> port;
        // Carry the remark names of the per-user store over (the window).
        bool carryOverRemarkNames = false;
        // Loads and checks a message; empty: messages go out unchecked.
        MessageCheck check;
    };

    // Reads the settings (see settingsErrors()); nothing else happens
    // until open(), so that the caller can connect to the signals first.
    explicit Station(Options options, QObject *parent = nullptr);
    ~Station() override;

    // What was wrong with the settings file; the defaults stand in for each
    // bad value.  The service refuses to run with any, the window says so.
    QStringList settingsErrors() const { return m_settingsErrors; }

    // Makes the folders, takes up the journal and the users file (what it
    // finds goes to problem()), and starts listening for coders.  The
    // result says why a folder cannot be made or the server cannot listen.
    CommandResult open();

    Fleet *fleet() const { return m_fleet.get(); }
    Journal *journal() const { return m_journal.get(); }
    CommandJournal *commands() const { return m_commands.get(); }
    UserStore *users() const { return m_users.get(); }
    Session *session() const { return m_session.get(); }
    StationSettings *settings() const { return m_settings.get(); }
    QString messageFolder() const;

    // The heads the coders print with together: those every one of them has
    // enabled in its last print-parameter block (all four before any).
    quint8 headMaskOf(const QList<int> &coders) const;
    // The message at path loaded and checked for those coders.  With no
    // check installed, it counts as loaded with no findings.
    MessageCheckResult check(const QString &path, const QList<int> &coders) const;

    enum class Findings { Refuse, SendAnyway };
    // Sends the message at path to the coders, after loading and checking
    // it.  Refused, with the reason and a journal line, when it does not
    // load, or when it has findings and they are not accepted; accepting
    // them is a permission of the signed-in user's.
    CommandResult apply(const QString &path, const QList<int> &coders,
                        const CommandOrigin &origin = CommandOrigin(),
                        Findings findings = Findings::Refuse);

signals:
    // What the operator should know and what went wrong, in the operator's
    // words: the Fleet's notes and problems, the journal's, the users
    // file's, and the station's own refusals, all in one place.
    void note(const QString &text);
    void problem(const QString &text);

private:
    CommandResult refuse(const QString &path, const QList<int> &coders, const CommandOrigin &origin,
                         const QString &text);

    Options m_options;
    std::unique_ptr<StationSettings> m_settings;
    QStringList m_settingsErrors;
    std::unique_ptr<Fleet> m_fleet;
    std::unique_ptr<Journal> m_journal;
    std::unique_ptr<CommandJournal> m_commands;
    std::unique_ptr<UserStore> m_users;
    std::unique_ptr<Session> m_session;
};
