// SPDX-License-Identifier: GPL-3.0-or-later
#include "templatesigning.h"

#include "catalogue.h"
#include "commandjournal.h"
#include "journal.h"
#include "journalactions.h"
#include "session.h"

#include <QCryptographicHash>
#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QJsonObject>

QString TemplateSigning::approvedForProduction()
{
    return tr("Approved for production");
}

QString TemplateSigning::fileSha256(const QString &path, QString *error)
{
    QFile file(path);
    QCryptographicHash hash(QCryptographicHash::Sha256);
    if (!file.open(QIODevice::ReadOnly) || !hash.addData(&file)) {
        if (error)
            *error = tr("%1 cannot be read (%2)").arg(path, file.errorString());
        return QString();
    }
    return QString::fromLatin1(hash.result().toHex());
}

TemplateSigning::Outcome TemplateSigning::sign(Catalogue &catalogue, Session &session,
                                               CommandJournal *journal, const QString &templatePath,
                                               const QString &name, const QString &password,
                                               const QString &meaning)
{
    Outcome out;
    if (meaning.trimmed().isEmpty()) {
        out.error = tr("A signature needs its meaning.");
        return out;
    }
    QString readError;
    const QString sha = fileSha256(templatePath, &readError);
    if (sha.isEmpty()) {
        out.error = readError;
        return out;
    }
    Approval a;
    a.templateName = QFileInfo(templatePath).fileName();
    a.sha256 = sha;
    a.meaning = meaning.trimmed();
    const bool usersOn = session.usersOn();
    if (usersOn) {
        if (!session.signedIn() || name != session.userName()) {
            out.error = tr("Only the user signed in (%1) may sign here.")
                            .arg(session.signedIn() ? session.userName() : tr("nobody"));
            return out;
        }
        const UserStore::SignIn checked = session.store()->signIn(name, password);
        if (!checked.ok) {
            out.error = tr("Not signed: %1").arg(checked.error);
            return out;
        }
        if (!Roles::allows(checked.role, Permission::SignTemplates)) {
            out.error = tr("Not signed: only a Supervisor or an Administrator may approve "
                           "templates.");
            return out;
        }
        a.signerName = name;
        a.account = name;
        a.method = Approval::Method::Password;
    } else {
        a.signerName = Journal::systemUserName();
        a.account = a.signerName;
        a.method = Approval::Method::Unsigned;
    }
    const CatalogueStatus stored = catalogue.approve(&a, usersOn);
    if (!stored.ok()) {
        out.error = tr("Not signed: %1").arg(stored.reason);
        return out;
    }
    out.ok = true;
    out.approval = a;
    if (journal) {
        const QString refused =
            journal->record(JournalAction::kTemplateApproved,
                            {{QStringLiteral("template"), a.templateName},
                             {QStringLiteral("sha256"), a.sha256},
                             {QStringLiteral("signer"), a.signerName},
                             {QStringLiteral("meaning"), a.meaning},
                             {QStringLiteral("method"), Approval::methodName(a.method)},
                             {QStringLiteral("approval"), a.id}},
                            a.account);
        if (!refused.isEmpty())
            out.warning = tr("The approval is stored, but not in the journal: %1").arg(refused);
    }
    return out;
}

QString TemplateSigning::describe(const Approval &a)
{
    const QString when = a.signedAt.toLocalTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
    if (a.method == Approval::Method::Unsigned)
        return tr("%1 by %2 (unsigned: users are off), %3, SHA-256 %4")
            .arg(a.meaning, a.signerName, when, a.sha256);
    return tr("%1, signed by %2, %3, SHA-256 %4").arg(a.meaning, a.signerName, when, a.sha256);
}

QString TemplateSigning::describe(Catalogue &catalogue, const QString &templatePath,
                                  Approval *found)
{
    QString error;
    const QString sha = fileSha256(templatePath, &error);
    if (sha.isEmpty())
        return tr("not approved: %1").arg(error);
    Approval a;
    const CatalogueStatus status =
        catalogue.approvalOf(QFileInfo(templatePath).fileName(), sha, &a);
    if (status.kind == CatalogueStatus::Kind::NotFound)
        return tr("not approved (SHA-256 %1)").arg(sha);
    if (!status.ok())
        return tr("approval unknown: %1").arg(status.reason);
    if (found)
        *found = a;
    return describe(a);
}

QString TemplateSigning::recordSave(Catalogue &catalogue, const QString &path, const QString &user)
{
    QString error;
    TemplateSave save;
    save.templateName = QFileInfo(path).fileName();
    save.sha256 = fileSha256(path, &error);
    if (save.sha256.isEmpty())
        return error;
    save.savedBy = user;
    const CatalogueStatus status = catalogue.recordTemplateSave(save);
    return status.ok() ? QString() : status.reason;
}
