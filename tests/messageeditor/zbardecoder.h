// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QStringList>

// Reads symbols back with a real decoder, the zbarimg program.
namespace zbarDecoder {

// Decodes each picture after placing it on white paper with a margin of
// margin pixels on every side (the symbols themselves start at their
// first bar).  Returns one entry per picture: the decoded text, or an
// empty string when zbar found nothing or more than one symbol.  All
// pictures go to one zbarimg run; only when that run does not give one
// line per picture is each picture decoded on its own.
QStringList decode(const QList<QImage> &pictures, int margin = 48, const QStringList &options = {});

} // namespace zbarDecoder
