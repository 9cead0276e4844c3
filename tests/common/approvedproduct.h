// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "catalogue.h"
#include "testfiles.h"

#include <QCryptographicHash>
#include <QtTest>

// The product OJ-1L of the catalogue with its template in Spray/ approved
// as it is, by a Supervisor, for any coder of 127.0.0.0/24: what the jobs
// and readers tests run their jobs of.
inline void addApprovedJuice(Catalogue &catalogue, const QByteArray &templateBytes)
{
    Product p;
    p.code = "OJ-1L";
    p.name = "Orange juice 1 l";
    p.templateName = "juice.spr";
    p.coders = QStringList{"127.0.0.*"};
    QVERIFY(catalogue.addProduct(&p, "olga").ok());
    writeFile("Spray/juice.spr", templateBytes);
    Approval a;
    a.templateName = "juice.spr";
    a.sha256 = QCryptographicHash::hash(templateBytes, QCryptographicHash::Sha256).toHex();
    a.signerName = "Olga Supervisor";
    a.account = "olga";
    a.meaning = "Approved for production";
    QVERIFY(catalogue.approve(&a, true).ok());
}
