// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "templatesamples.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>

// What the designer asks of the products catalogue about the message it
// has open, so that it needs nothing of the catalogue itself: whose
// template the message is, and whether exactly the bytes it would save are
// approved for production.  The control window gives one; without it the
// designer offers the standard placeholders and shows no mark.
class TemplateFields
{
public:
    struct Signature
    {
        enum class State { NotApproved, Approved, Unknown };
        State state = State::NotApproved;
        QString meaning; // "Approved for production"
        QString signer;  // the printed name
        QDateTime signedAt;
        bool unsignedApproval = false; // users were off: nobody's identity checked
        QString error;                 // Unknown: why the catalogue could not tell
    };

    virtual ~TemplateFields() = default;
    // messageName: the file name in the messages folder ("juice.spr").
    virtual TemplateProducts productsOf(const QString &messageName) = 0;
    virtual Signature signatureOf(const QString &messageName, const QByteArray &bytes) = 0;
};
