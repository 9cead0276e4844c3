// SPDX-License-Identifier: GPL-3.0-or-later
#include "codersimoptions.h"
#include "simulatedcoder.h"

#include <QCoreApplication>
#include <QTimer>

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

    QVector<SimulatedCoder *> coders;
    int running = options.coders.size();
    for (const CoderSettings &settings : qAsConst(options.coders)) {
        auto *coder = new SimulatedCoder(settings, &app);
        QObject::connect(coder, &SimulatedCoder::finished, &app, [&running] {
            if (--running == 0)
                QCoreApplication::quit();
        });
        coders << coder;
        coder->start();
    }
    if (options.durationSeconds > 0) {
        QTimer::singleShot(options.durationSeconds * 1000, &app, [&coders] {
            for (SimulatedCoder *coder : qAsConst(coders))
                coder->stop();
            // A server that never acknowledges the close must not keep us alive.
            QTimer::singleShot(2000, qApp, &QCoreApplication::quit);
        });
    }
    return app.exec();
}
