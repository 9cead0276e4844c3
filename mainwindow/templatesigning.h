// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "records.h"

#include <QCoreApplication>
#include <QString>

class Catalogue;
class CommandJournal;
class Session;

// Releasing a template version for production, and what the windows say
// about it.  A version is the exact bytes of the file, by SHA-256.  With
// users on, the signer gives name and password again at the moment of
// signing, must be the one signed in, must be a Supervisor or Administrator,
// and may not be the user who last saved that version; with users off the
// approval carries the system login and is marked unsigned.  Each approval
// is journaled as "template approved".
class TemplateSigning
{
    Q_DECLARE_TR_FUNCTIONS(TemplateSigning)
public:
    // The meaning a signature gives unless another is chosen.
    static QString approvedForProduction();

    // Lower-case hex SHA-256 of the file; empty with *error when it cannot be read.
    static QString fileSha256(const QString &path, QString *error = nullptr);

    struct Outcome
    {
        bool ok = false;
        QString error;   // why it was refused; nothing was stored
        QString warning; // stored, but something to say (the journal line)
        Approval approval;
    };
    // Signs the version of templatePath as it is on disk now.
    static Outcome sign(Catalogue &catalogue, Session &session, CommandJournal *journal,
                        const QString &templatePath, const QString &name, const QString &password,
                        const QString &meaning);

    // The signature of the version on disk, in one line for the windows,
    // or "not approved" when no signature covers these bytes.
    static QString describe(Catalogue &catalogue, const QString &templatePath,
                            Approval *found = nullptr);
    static QString describe(const Approval &approval);

    // Records a save of the designer, so that its author cannot sign it.
    // Empty when recorded, else why not.
    static QString recordSave(Catalogue &catalogue, const QString &path, const QString &user);
};
