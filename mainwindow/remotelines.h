// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "coderlistmodel.h"

#include <QHash>
#include <QMap>
#include <QObject>

#include <functional>
#include <optional>

class CommandJournal;
class EventLog;
class Session;

// The coders of the plant's other lines in the device list, below this
// PC's, and the window's commands to them.  Each command is governed by the
// signed-in user's role as for a coder of this PC, written in the journal
// with its line before it goes out (nothing goes out when the journal
// refuses), and sent by the plant link; what became of it is told in the
// event log when the line answers.
class RemoteLines : public QObject
{
    Q_OBJECT
public:
    enum class Order { Start, Stop, Apply, Parameters, StartJob, EndJob };
    // StartJob: what the job is; the line's catalogue checks it all again.
    struct Job
    {
        QString product; // its code
        QString order;
        QString lot;
        QMap<QString, QString> fields; // field name -> value; missing: the default
        QString packaging;             // the packaging scan's GTIN; "" when none
    };
    struct Request
    {
        Order order = Order::Start;
        QString node;
        QString device;
        QString messageName;   // Apply: a message name of the line's "Spray/"
        QByteArray parameters; // Parameters: the block of the panel
        QString user;          // the signed-in user, claimed on the bus
        Job job;               // StartJob
    };
    // Empty when the command went out, else why not.
    using Sender = std::function<QString(const Request &)>;

    RemoteLines(CoderListModel *model, Session *session, CommandJournal *journal, EventLog *log,
                QObject *parent = nullptr);

    void setSender(Sender sender) { m_send = std::move(sender); }
    // Adds the remote coder's row or updates it; its descriptor is given here.
    // The row's stage is the line's name of it ("verified"), shown translated.
    void show(CoderListModel::RemoteRow row);
    // kFirstRemote + 1 (none) when the coder was never shown.
    int descriptorOf(const QString &node, const QString &device) const;

    // Sends order to the remote coders among coders and returns the others,
    // for this PC's fleet; none when every coder was remote (so that the
    // fleet does not say that no coder was chosen).  The coders it went to
    // in *sent.
    std::optional<QList<int>> take(Order order, const QList<int> &coders,
                                   const QString &messageName = QString(),
                                   const QByteArray &parameters = QByteArray(),
                                   const Job &job = Job(), QList<int> *sent = nullptr);
    // What a line said of a command.
    void outcome(const QString &node, const QString &device, const QString &command,
                 const QString &outcome);

signals:
    void shown(int descriptor);

private:
    CoderListModel *m_model;
    Session *m_session;
    CommandJournal *m_journal;
    EventLog *m_log;
    Sender m_send;
    QHash<QString, int> m_descriptors; // "<node>\n<device>"
    int m_next = CoderListModel::kFirstRemote;
};
