// SPDX-License-Identifier: GPL-3.0-or-later
#include "appicon.h"
#include "eventlog.h"
#include "korvexmainwindow.h"
#include "openfilelimit.h"
#include "plantlink.h"
#include "plantsettings.h"
#include "startup.h"

#include <QApplication>

#include <memory>

int main(int argc, char *argv[])
{
    // The resources live in a static library; register them explicitly.
    Q_INIT_RESOURCE(mainwindow);

    QApplication app(argc, argv);
    Startup::configure(app);
    raiseOpenFileLimit();
    QApplication::setWindowIcon(applicationIcon());
    // Ties the windows to the menu entry, for the task bar under Wayland.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.korvex.KorvexControl"));

    KorvexMainWindow window;
    // With an [mqtt] section in korvex.conf, this PC puts its coders on the
    // plant's broker too.
    PlantSettings settings;
    QStringList errors;
    std::unique_ptr<PlantLink> plant;
    if (!PlantSettings::load(QString::fromLatin1(PlantSettings::kFileName), false, &settings,
                             &errors)) {
        for (const QString &error : qAsConst(errors))
            window.eventLog()->add(EventLog::Level::Problem, error);
    } else if (settings.mqtt) {
        plant = std::make_unique<PlantLink>(window.fleet(), settings);
    }
    window.show();
    const int code = app.exec();
    plant.reset();
    return code;
}
