// SPDX-License-Identifier: GPL-3.0-or-later
// Renders a message file to a PNG, as the designer shows it: for looking at
// messages without a display, and for checking what a coder was sent.  With
// --at, the dates and shift codes are those printed at that moment.
//
//   render-message [--at 2027-02-28T23:59[+01:00]] MESSAGE.spr PICTURE.png
#include "graphicsscene.h"
#include "messagefile.h"
#include "printpreview.h"

#include <QApplication>
#include <QDateTime>
#include <QImage>
#include <cstdio>

namespace {

// What the designer would show in a box goes to standard error instead: a
// tool must never wait for someone to close a dialog.
void printReason(const QString &title, const QString &text)
{
    if (text.isEmpty())
        return;
    std::fprintf(stderr, "render-message: %s: %s\n", qPrintable(title),
                 qPrintable(QString(text).replace(QLatin1Char('\n'), QLatin1Char(' '))));
}

// Items measure their text with real fonts, which needs a GUI platform; with
// no display the offscreen one does, unless the caller chose a platform.
void chooseHeadlessPlatform()
{
    if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") &&
        !qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
}

} // namespace

int main(int argc, char *argv[])
{
    chooseHeadlessPlatform();
    QApplication app(argc, argv);
    QStringList args = app.arguments();
    QDateTime moment;
    if (args.size() == 5 && args.at(1) == QLatin1String("--at")) {
        // Local time unless the text gives an offset ("Z", "+01:00").
        moment = QDateTime::fromString(args.at(2), Qt::ISODate);
        if (!moment.isValid()) {
            std::fprintf(stderr, "render-message: %s is not a moment like 2027-02-28T23:59\n",
                         qPrintable(args.at(2)));
            return 2;
        }
        args.erase(args.begin() + 1, args.begin() + 3);
    }
    if (args.size() != 3) {
        std::fprintf(stderr,
                     "usage: render-message [--at 2027-02-28T23:59] MESSAGE.spr PICTURE.png\n");
        return 2;
    }
    GraphicsScene scene;
    const MessageFile::Result loaded = MessageFile::load(scene, args.at(1));
    printReason(MessageFile::boxTitle(), loaded.error);
    printReason(MessageFile::dataFileBoxTitle(), loaded.dataFileProblem);
    if (!loaded) {
        std::fprintf(stderr, "render-message: cannot read the message %s\n",
                     qPrintable(args.at(1)));
        return 1;
    }
    const QImage picture = PrintPreview::picture(scene, moment);
    if (picture.isNull()) {
        const QRectF area = scene.sceneRect();
        std::fprintf(stderr, "render-message: the message is too large to draw (%dx%d)\n",
                     int(area.width()) + 20, int(area.height()) + 20);
        return 1;
    }
    if (!picture.save(args.at(2))) {
        std::fprintf(stderr, "render-message: cannot write the picture %s\n",
                     qPrintable(args.at(2)));
        return 1;
    }
    return 0;
}
