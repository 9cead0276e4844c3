// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "externaldata.h"

#include <QJsonObject>

// Value reads and the external-data keys shared by the message file's
// writer and reader.
namespace recordFields {

// A JSON number truncated toward zero (clamped to the int range); anything
// else, or a missing key, reads as 0.
int readInt(const QJsonObject &record, const char *key);
// A JSON number as it is, fractions kept (clamped to the int range);
// anything else, or a missing key, reads as 0.
double readReal(const QJsonObject &record, const char *key);
// A JSON boolean; anything else reads as false.
bool readBool(const QJsonObject &record, const char *key);
// A JSON string; anything else reads as the empty string.
QString readString(const QJsonObject &record, const char *key);

// The names of the external-data keys of one record kind.  The flag key
// (is external) is always written; the others only while it is true.
struct externalKeys
{
    const char *isExternal;
    const char *allPrinted;
    const char *startLine;
    const char *endLine;
    const char *filePath;
    const char *curLine;
};

extern const externalKeys kTextKeys;
extern const externalKeys kBarKeys;
extern const externalKeys kQrCodeKeys;

void writeExternal(QJsonObject &record, const externalData &data, const externalKeys &keys);
externalData readExternal(const QJsonObject &record, const externalKeys &keys);

} // namespace recordFields
