// SPDX-License-Identifier: GPL-3.0-or-later
#include "codersimoptions.h"
#include "simulatedcoder.h"

#include <QCoreApplication>

#include <cstdio>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    app.setApplicationName(QStringLiteral("coder-sim"));
    app.setApplicationVersion(QStringLiteral(KORVEX_VERSION));

    CoderSimOptions options;
    QString message;
    int exitCode = 0;
    if (!CoderSimOptions::parse(app.arguments(), &options, &message, &exitCode)) {
        std::fprintf(exitCode == 0 ? stdout : stderr, "%s\n", qUtf8Printable(message));
        return exitCode;
    }

    for (SimulatedCoder *coder : options.createCoders())
        coder->start();
    return app.exec();
}
