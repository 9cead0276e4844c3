// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "simulatedcoder.h"

#include <QStringList>
#include <QVector>

class QCommandLineParser;

// The command line of coder-sim, for example
//   coder-sim --host 127.0.0.1 --port 64032 --count 3 --folder DIR --duration 60
// Coder N (from 1) keeps its files in DIR/coder-N. Message files given with
// --message are handed out in turn, coder N taking the ((N-1) mod count)-th.
struct CoderSimOptions
{
    QVector<CoderSettings> coders;
    int durationSeconds = 0; // 0: run until killed

    // Reads the arguments (arguments[0] is the program). On failure returns
    // false with a message for the user; help and version also return false
    // with the text to print and *exitCode 0.  A program that adds options
    // of its own (reader-sim) hands its parser, holding them and its
    // description, and reads them from it afterwards.
    static bool parse(const QStringList &arguments, CoderSimOptions *options, QString *message,
                      int *exitCode, QCommandLineParser *ownParser = nullptr);

    // The coders these options describe, children of the application, not
    // yet started: the program ends when the last of them has finished, and
    // after durationSeconds they are stopped.
    QVector<SimulatedCoder *> createCoders() const;
};
