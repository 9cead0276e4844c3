// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

// Where the operator's manual is.  Run from the build, a program opens the
// build tree's manual (build/manual, drawn by the build); installed, the one
// its package put under share/doc.  Each manual folder holds one folder per
// language ("en", "ru", "arabic", ... as the editor names its catalogues),
// each with an index.html.
namespace ManualPage {

// The folders the manual may be in for a program in programDir, nearest
// first; package is the Debian package whose doc folder holds it.
QStringList folders(const QString &programDir, const QString &package);

// The index page in that language where a translated manual exists, else
// the English one; empty when no folder holds a manual.
QString indexFor(const QString &language, const QStringList &folders);

// The manual's name for a locale or language ("tr_TR" gives "turkish",
// "zh_CN" "cn", "ko" "kr"); a name it does not know comes back as it is.
QString languageOf(const QString &localeName);

} // namespace ManualPage
