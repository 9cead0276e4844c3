// SPDX-License-Identifier: GPL-3.0-or-later
// window-shots: pictures of the control window at work, for reviews and
// documentation. Run it in a working folder holding "Spray/" (and "Image/"):
//   window-shots OUT_DIR MESSAGE.spr [MESSAGE.spr ...]
// Three simulated coders (printing, ready, stopped), from 127.0.0.11 to
// 127.0.0.13, report the given messages as their current files; the window
// runs on a port the system picks.  The designer is shown on the first
// message, and the last one is applied to the checked coder: when it has
// pre-flight findings, their list is drawn (and cancelled, so nothing is
// sent).  Fails when a picture cannot be written; offscreen
// (QT_QPA_PLATFORM=offscreen) it needs no display.
#include "coderlistmodel.h"
#include "devicelistpanel.h"
#include "editwidget.h"
#include "graphicsscene.h"
#include "preflightdialog.h"
#include "prompts.h"
#include "simulatedcoder.h"
#include "startup.h"
#include "stationwindow.h"
#include "tcpserver.h"

#include "scriptedprompts.h"
#include "shotsupport.h"
#include <QAction>

#include <QApplication>
#include <QDeadlineTimer>
#include <QDialog>
#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QListWidget>
#include <QTabWidget>
#include <QToolButton>

#include <cstdio>
#include <functional>
#include <memory>
#include <vector>

namespace {

using Shots::pause;
using Shots::waitFor;

// False, when a picture could not be written, makes the tool fail.
bool saved = true;

void save(QWidget *widget, const QString &path)
{
    const bool ok = widget->grab().save(path);
    saved &= ok;
    std::printf("%s %s\n", ok ? "wrote" : "cannot write", qUtf8Printable(path));
}

void select(QListWidget *files, const QString &message)
{
    const QString name = QFileInfo(message).completeBaseName();
    waitFor([&] { return !files->findItems(name, Qt::MatchExactly).isEmpty(); }, 3000);
    files->clearSelection();
    for (QListWidgetItem *item : files->findItems(name, Qt::MatchExactly))
        item->setSelected(true);
}

} // namespace

int main(int argc, char *argv[])
{
    Q_INIT_RESOURCE(mainwindow);
    QApplication app(argc, argv);
    Startup::configure(app);
    const QStringList args = app.arguments();
    if (args.size() < 3) {
        std::fprintf(stderr, "usage: window-shots OUT_DIR MESSAGE.spr [MESSAGE.spr ...]\n");
        return 2;
    }
    const QDir out(args.at(1));
    const QStringList messages = args.mid(2);

    StationWindow window;
    window.show();

    struct Kind
    {
        quint8 status;
        int step;
        bool autostart;
    };
    const Kind kinds[] = {{1, 3, true}, {2, 7, true}, {0, 0, false}};
    std::vector<std::unique_ptr<SimulatedCoder>> coders;
    for (int i = 0; i < 3; ++i) {
        CoderSettings settings;
        settings.number = i + 1;
        settings.port = window.server()->serverPort();
        settings.sourceAddress = QStringLiteral("127.0.0.%1").arg(11 + i);
        settings.folder =
            QDir::current().filePath(QStringLiteral("shot-coders/coder-%1").arg(i + 1));
        settings.messageSource = QFileInfo(messages.at(i % messages.size())).absoluteFilePath();
        settings.statusPattern = {kinds[i].status};
        settings.progressStep = kinds[i].step;
        settings.statusIntervalMs = 100;
        settings.autostart = kinds[i].autostart;
        coders.push_back(std::make_unique<SimulatedCoder>(settings));
        coders.back()->start();
        pause(150); // one after the other, so the list order is fixed
    }
    DeviceListPanel *devices = window.deviceList();
    if (!waitFor([&] { return devices->count() == 3; }, 5000))
        return 1;
    pause(1500); // a few status reports
    save(&window, out.filePath(QStringLiteral("control-parameter-tab.png")));

    // The first coder to connect is at the bottom.
    const int first = devices->shownDescriptors().last();
    devices->setChecked(first, true);
    waitFor(
        [&] {
            const QModelIndex row = devices->indexOf(first);
            return !row.data(CoderListModel::CurrentFileRole).toString().isEmpty() &&
                   !window.previewScene()->items().isEmpty();
        },
        5000);
    pause(300);
    save(&window, out.filePath(QStringLiteral("control-checked-coder.png")));

    // Maximised, the parameter panel shows whole.
    window.resize(1200, 960);
    pause(300);
    save(&window, out.filePath(QStringLiteral("control-parameter-tab-large.png")));
    window.resize(800, 600);

    window.findChild<QTabWidget *>(QStringLiteral("tabWidget"))->setCurrentIndex(1);
    auto *files = window.findChild<QListWidget *>(QStringLiteral("fileListWidget"));
    select(files, messages.first());
    pause(300);
    save(&window, out.filePath(QStringLiteral("control-file-tab.png")));

    // Each dialog drawn, then closed without a change.
    const Shots::ScriptedPrompts prompts([&](QDialog *dialog) {
        QString name = QStringLiteral("control-remark-dialog.png");
        if (qobject_cast<EditWidget *>(dialog)) {
            name = QStringLiteral("control-designer.png");
            dialog->resize(1180, 720);
        } else if (qobject_cast<PreflightDialog *>(dialog)) {
            name = QStringLiteral("control-preflight.png");
        } else if (auto *edit = dialog->findChild<QLineEdit *>()) {
            edit->setText(QStringLiteral("Line 2 filler"));
        }
        dialog->show();
        pause(400);
        save(dialog, out.filePath(name));
        dialog->reject();
        return int(QDialog::Rejected);
    });
    window.findChild<QToolButton *>(QStringLiteral("editToolBtn"))->click();
    select(files, messages.last());
    window.findChild<QToolButton *>(QStringLiteral("syncBtn"))->click();
    devices->editRemarkName(devices->shownDescriptors().at(1));
    for (auto &coder : coders)
        coder->stop();
    pause(200);
    return saved ? 0 : 1;
}
