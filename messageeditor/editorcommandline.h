// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

// The editor's command line, read before the application exists, so that
// "--help", "--version" and a mistyped option need no display and leave the
// working folder alone (no language box, nothing read or made there).
namespace editorCommandLine {

struct outcome
{
    // False: start the editor.  True: print and end with code.
    bool exits = false;
    int code = 0;
    // For standard output when code is 0, else for standard error.
    QString text;
};

// What "--help" prints.
QString usage();

// The arguments as main() got them, the program's name first.  Options
// that every Qt application takes ("-platform offscreen", "-style ...")
// pass; anything else that looks like an option is refused with the usage
// and code 2.
outcome read(const QStringList &arguments);

} // namespace editorCommandLine
