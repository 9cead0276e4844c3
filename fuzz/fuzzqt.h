// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QApplication>
#include <QDir>
#include <QLoggingCategory>
#include <QTemporaryDir>

#include <cstdlib>

// What every fuzz target that touches items needs: one application object
// on the offscreen platform, quiet logging (a debug line per record would
// cost more than the parsing), and a working folder of its own so that
// relative paths named by an input land in a scratch folder.
inline void startFuzzApplication()
{
    static bool started = false;
    if (started)
        return;
    started = true;
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QLoggingCategory::setFilterRules(QStringLiteral("*=false"));
    static int argc = 1;
    static char name[] = "fuzz";
    static char *argv[] = {name, nullptr};
    static QApplication app(argc, argv);
    static QTemporaryDir work(QDir::tempPath() + QStringLiteral("/korvex-fuzz-XXXXXX"));
    QDir::setCurrent(work.path());
}
