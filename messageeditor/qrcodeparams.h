// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "externaldata.h"

#include <QString>

// Everything a QR code item stores.  Only content, level, scale, version
// and converse shape the symbol; the dynamic fields (insert counter and
// time) and the external-data fields only travel in the message file.
struct qrCodeParams
{
    QString content = QStringLiteral("INKJET");
    int level = 2;            // 0 = L, 1 = M, 2 = Q, 3 = H error correction
    int scale = 10;           // pixels per module
    int version = 1;          // the smallest symbol version; the encoder may take a larger one
    bool insVariable = false; // the dynamic fields below are stored only while set
    bool insertCnt = false;
    bool insertTime = false;
    bool converse = false; // dark and light swapped, with a dark one-module border
    int cntMode = 0;
    int cntPos = 0;
    QString timeFormat;
    int timePos = 0;
    externalData external;
    bool uartVariable = false;
};
