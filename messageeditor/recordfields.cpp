// SPDX-License-Identifier: GPL-3.0-or-later
#include "recordfields.h"

#include <QJsonValue>
#include <cmath>
#include <limits>

namespace recordFields {

const externalKeys kTextKeys = {"TextIsExtVariable",  "TextIsAllPrinted",    "TextExtDataStartLine",
                                "TextExtDataEndLine", "TextExtDataFilePath", "TextExtDataCurLine"};
const externalKeys kBarKeys = {"BarIsExtVariable",  "BarIsAllPrinted",    "BarExtDataStartLine",
                               "BarExtDataEndLine", "BarExtDataFilePath", "BarExtDataCurLine"};
const externalKeys kQrCodeKeys = {"QRcodeIsExtVariable", "QRcodeIsAllPrinted", "QRcodeExtStartLine",
                                  "QRcodeExtEndLine",    "QRcodeExtFilePath",  "QRcodeExtCurLine"};

int readInt(const QJsonObject &record, const char *key)
{
    const QJsonValue value = record.value(QLatin1String(key));
    if (!value.isDouble())
        return 0;
    const double d = std::trunc(value.toDouble());
    if (d >= double(std::numeric_limits<int>::max()))
        return std::numeric_limits<int>::max();
    if (d <= double(std::numeric_limits<int>::min()))
        return std::numeric_limits<int>::min();
    return int(d);
}

double readReal(const QJsonObject &record, const char *key)
{
    const QJsonValue value = record.value(QLatin1String(key));
    if (!value.isDouble())
        return 0;
    return qBound(double(std::numeric_limits<int>::min()), value.toDouble(),
                  double(std::numeric_limits<int>::max()));
}

bool readBool(const QJsonObject &record, const char *key)
{
    return record.value(QLatin1String(key)).toBool();
}

QString readString(const QJsonObject &record, const char *key)
{
    return record.value(QLatin1String(key)).toString();
}

void writeExternal(QJsonObject &record, const externalData &data, const externalKeys &keys)
{
    record.insert(keys.isExternal, data.isExternal);
    if (!data.isExternal)
        return;
    record.insert(keys.allPrinted, data.allPrinted);
    record.insert(keys.startLine, data.startLine);
    record.insert(keys.endLine, data.endLine);
    record.insert(keys.filePath, data.filePath);
    record.insert(keys.curLine, data.curLine);
}

externalData readExternal(const QJsonObject &record, const externalKeys &keys)
{
    externalData data;
    data.isExternal = readBool(record, keys.isExternal);
    if (!data.isExternal)
        return data;
    data.allPrinted = readBool(record, keys.allPrinted);
    data.startLine = readInt(record, keys.startLine);
    data.endLine = readInt(record, keys.endLine);
    data.filePath = readString(record, keys.filePath);
    data.curLine = readInt(record, keys.curLine);
    return data;
}

} // namespace recordFields
