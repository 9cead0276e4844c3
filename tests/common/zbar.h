// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QHash>
#include <QImage>
#include <QStringList>

// Reads symbols back with a real decoder, the zbarimg program (zbar-tools),
// for the barcode tests of both programs.
namespace zbar {

// Runs zbarimg quietly with the arguments and returns its standard output;
// empty when it did not finish within the time.
QByteArray run(const QStringList &arguments, int timeoutMs = 60000);

// Decodes each picture after placing it on white paper with a margin of
// margin pixels on every side (the symbols themselves start at their
// first bar).  Returns one entry per picture: the decoded text, or an
// empty string when zbar found nothing or more than one symbol.  All
// pictures go to one zbarimg run; only when that run does not give one
// line per picture is each picture decoded on its own.
QStringList decode(const QList<QImage> &pictures, int margin = 48, const QStringList &options = {});

struct Symbol
{
    QString type; // zbar's name, "QR-Code", "EAN-13", ...
    QString data;
};

// Decodes the files with two runs: the XML run tells which file held which
// kind of symbol, the raw run gives the data in the same order (zbar's XML
// mangles bytes above 127).  Results by file name; empty when the two runs
// disagree on the number of symbols.
QHash<QString, Symbol> decodeFiles(const QStringList &files, const QStringList &options = {});

} // namespace zbar
