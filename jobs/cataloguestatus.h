// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// The outcome of a catalogue call: what went wrong, in the operator's words,
// and of what kind, so that a caller can tell "try again later" from "this
// is refused".  Never thrown; a good outcome has no reason.
struct CatalogueStatus
{
    enum class Kind {
        Ok,
        Unavailable, // the database cannot be reached or is locked; nothing was written
        Refused,     // the database is one this program must not use (a newer schema)
        Invalid,     // the input does not pass the checks
        NotFound,
        Duplicate, // a code or GTIN that is taken
        Conflict,  // someone else saved first
        Forbidden, // a rule forbids it (the signer saved that version)
        Failed,    // the database refused the statement
    };
    Kind kind = Kind::Ok;
    QString reason;

    bool ok() const { return kind == Kind::Ok; }
    static CatalogueStatus failure(Kind kind, const QString &reason) { return {kind, reason}; }
};
