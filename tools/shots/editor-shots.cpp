// SPDX-License-Identifier: GPL-3.0-or-later
// editor-shots: screenshots of the standalone editor for a look at its
// layout in one language.  Run under a display, a virtual one or offscreen:
//   QT_QPA_PLATFORM=offscreen editor-shots <out-dir> <name> <catalogue>
// e.g. editor-shots shots en :/translate/en.qm (an empty catalogue keeps
// the Chinese source texts).  Writes <name>-typeA-time.png (Type A with the
// time format dialog open) and <name>-typeC-qr.png (Type C with the
// dynamic QR content dialog open).
#include "diagramitemfactory.h"
#include "editorstartup.h"
#include "mainwindow.h"
#include "qrcodedynamicstyledialog.h"
#include "settimemodedialog.h"

#include <QApplication>
#include <QDir>
#include <QEventLoop>
#include <QPainter>
#include <QTimer>
#include <QTranslator>
#include <cstdio>

namespace {

void settle()
{
    QEventLoop loop;
    QTimer::singleShot(400, &loop, &QEventLoop::quit);
    loop.exec();
}

// The window with the dialog over it, drawn from the widgets themselves: a
// grab of the screen gives nothing on a platform without one (offscreen).
bool shoot(QWidget *window, QWidget *dialog, const QString &path)
{
    settle();
    QPixmap picture = window->grab();
    QPainter painter(&picture);
    painter.drawPixmap(window->mapFromGlobal(dialog->mapToGlobal(QPoint(0, 0))), dialog->grab());
    painter.end();
    const bool ok = !picture.isNull() && picture.save(path);
    std::printf("%s %s\n", ok ? "wrote" : "cannot write", qUtf8Printable(path));
    return ok;
}

// One item of each kind the tool buttons offer; the last one added (the
// kind asked for) ends up selected, with its panel showing.
void fill(MainWindow &window, int lastKind)
{
    for (int kind : {diagramItemFactory::Text, diagramItemFactory::Time, diagramItemFactory::Cnt,
                     diagramItemFactory::Bar, diagramItemFactory::QRCode})
        if (kind != lastKind)
            window.buttonItemsClicked(kind);
    window.buttonItemsClicked(lastKind);
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    if (argc != 4) {
        std::fprintf(stderr, "usage: editor-shots <out-dir> <name> <catalogue>\n");
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    const QString name = QString::fromLocal8Bit(argv[2]);
    editorStartup::initResources();
    editorStartup::useUtf8Codec();
    const std::unique_ptr<QTranslator> translator =
        editorStartup::installTranslation(QString::fromLocal8Bit(argv[3]));
    bool ok = true;
    {
        MainWindow window;
        window.setGeometry(0, 0, 1200, 760);
        window.show();
        window.scene144();
        fill(window, diagramItemFactory::Time);
        setTimeModeDialog dialog(&window);
        dialog.move(380, 150);
        dialog.show();
        ok &= shoot(&window, &dialog, out.filePath(name + "-typeA-time.png"));
    }
    {
        MainWindow window;
        window.setGeometry(0, 0, 1200, 760);
        window.show();
        window.scene600();
        fill(window, diagramItemFactory::QRCode);
        QRCodeDynamicStyleDialog dialog(&window);
        dialog.move(380, 150);
        dialog.show();
        ok &= shoot(&window, &dialog, out.filePath(name + "-typeC-qr.png"));
    }
    return ok ? 0 : 1;
}
