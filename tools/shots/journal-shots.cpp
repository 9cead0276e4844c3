// SPDX-License-Identifier: GPL-3.0-or-later
// journal-shots: pictures of the journal and of users and roles in the
// control window, for reviews and documentation.  Run it under a display (or
// xvfb-run) in a working folder holding "Spray/":
//   journal-shots OUT_DIR MESSAGE.spr
// Three simulated coders from 127.0.0.11 to 127.0.0.13 connect; the shots are
// the event log after an apply, the journal dock filtered by a coder, the
// sign-in dialog after a wrong password, and a button an operator may not
// use with its tool tip.  It writes users.json into the folder, and so
// refuses a folder that has one; it fails when a picture cannot be written.
// Offscreen (QT_QPA_PLATFORM=offscreen) it needs no display.
#include "accesscontrol.h"
#include "devicelistpanel.h"
#include "fleet.h"
#include "journaldock.h"
#include "printparameterwidget.h"
#include "prompts.h"
#include "session.h"
#include "signindialog.h"
#include "simulatedcoder.h"
#include "startup.h"
#include "stationwindow.h"
#include "tcpserver.h"
#include "userstore.h"

#include "scriptedprompts.h"
#include "shotsupport.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDeadlineTimer>
#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QSplitter>
#include <QTabWidget>
#include <QToolButton>
#include <QToolTip>

#include <cstdio>
#include <functional>
#include <memory>
#include <vector>

namespace {

using Shots::pause;
using Shots::waitFor;

// False, when the picture could not be written, makes the tool fail.
bool saved = true;

void save(const QPixmap &picture, const QString &path)
{
    const bool ok = !picture.isNull() && picture.save(path);
    saved &= ok;
    std::printf("%s %s\n", ok ? "wrote" : "cannot write", qUtf8Printable(path));
}

// The window with the tool tip over it, drawn from the widgets themselves:
// a grab of the screen gives nothing on a platform without one (offscreen).
QPixmap withToolTip(QWidget *window, int height)
{
    QPixmap picture = window->grab(QRect(0, 0, window->width(), qMin(window->height(), height)));
    QPainter painter(&picture);
    for (QWidget *top : QApplication::topLevelWidgets()) {
        if (!top->inherits("QTipLabel") || !top->isVisible())
            continue;
        // Kept on a screen smaller than the window, the tip may start left of it.
        QPoint at = window->mapFromGlobal(top->mapToGlobal(QPoint(0, 0)));
        at.setX(qBound(0, at.x(), qMax(0, picture.width() - top->width())));
        painter.drawPixmap(at, top->grab());
    }
    return picture;
}

} // namespace

int main(int argc, char *argv[])
{
    Q_INIT_RESOURCE(mainwindow);
    QApplication app(argc, argv);
    Startup::configure(app);
    const QStringList args = app.arguments();
    if (args.size() != 3) {
        std::fprintf(stderr, "usage: journal-shots OUT_DIR MESSAGE.spr\n");
        return 2;
    }
    const QDir out(args.at(1));
    const QString message = QFileInfo(args.at(2)).completeBaseName();
    // The users it makes would be taken for the folder's own, and a users
    // file of the folder's own must not be overwritten.
    if (QFileInfo::exists(QStringLiteral("users.json"))) {
        std::fprintf(stderr, "journal-shots: users.json is already here: run it in a folder "
                             "of its own\n");
        return 2;
    }

    StationWindow window;
    window.resize(1180, 740);
    window.move(20, 10);
    window.show();
    std::vector<std::unique_ptr<SimulatedCoder>> coders;
    for (int i = 0; i < 3; ++i) {
        CoderSettings settings;
        settings.number = i + 1;
        settings.port = window.server()->serverPort();
        settings.sourceAddress = QStringLiteral("127.0.0.%1").arg(11 + i);
        settings.folder =
            QDir::current().filePath(QStringLiteral("shot-coders/coder-%1").arg(i + 1));
        settings.messageSource = QFileInfo(args.at(2)).absoluteFilePath();
        settings.statusPattern = {quint8(i == 2 ? 0 : 1)};
        settings.statusIntervalMs = 200;
        coders.push_back(std::make_unique<SimulatedCoder>(settings));
        coders.back()->start();
        pause(150); // one after the other, so the list order is fixed
    }
    DeviceListPanel *devices = window.deviceList();
    if (!waitFor([&] { return devices->count() == 3; }, 5000))
        return 1;
    const auto button = [&](const char *name) {
        return window.findChild<QToolButton *>(QLatin1String(name));
    };

    // Parameters for one coder, then the message to all three, then start.
    // The first coder to connect is at the bottom.
    const int last = devices->shownDescriptors().last();
    devices->setChecked(last, true);
    waitFor([&] { return !window.fleet()->coder(last)->parameterBlock.isEmpty(); }, 3000);
    pause(200);
    window.parameterPanel()->findChild<QCheckBox *>(QStringLiteral("beepCheckBox"))->click();
    button("syncPrintParameterBtn")->click();
    button("multiSelectbtnForParameter")->click();
    for (const int device : devices->shownDescriptors())
        devices->setChecked(device, true);
    auto *tabs = window.findChild<QTabWidget *>(QStringLiteral("tabWidget"));
    tabs->setCurrentIndex(1);
    // The file tab's Multi Select shows the list's mode, on from the first tab.
    if (!button("multiSelectbtn")->isChecked())
        button("multiSelectbtn")->click();
    for (const int device : devices->shownDescriptors())
        devices->setChecked(device, true);
    auto *files = window.findChild<QListWidget *>(QStringLiteral("fileListWidget"));
    waitFor([&] { return !files->findItems(message, Qt::MatchExactly).isEmpty(); }, 3000);
    files->clearSelection();
    files->findItems(message, Qt::MatchExactly).first()->setSelected(true);
    button("syncBtn")->click();
    tabs->setCurrentIndex(0); // single-select again
    button("multiSelectbtnForParameter")->click();
    for (const int device : devices->shownDescriptors())
        devices->setChecked(device, true);
    button("startBtn")->click();
    // Room for the event log's lines.
    window.findChild<QSplitter *>(QStringLiteral("mainSplitter"))->setSizes({480, 150});
    pause(1200);
    save(window.grab(), out.filePath(QStringLiteral("journal-event-log.png")));

    // The journal dock, filtered by the second coder.
    window.journal()->show();
    pause(300);
    window.journal()
        ->findChild<QLineEdit *>(QStringLiteral("journalCoderFilter"))
        ->setText(QStringLiteral("127.0.0.12"));
    pause(300);
    save(window.grab(), out.filePath(QStringLiteral("journal-view-filtered.png")));
    window.journal()->hide();

    // Users on: an administrator and an operator.
    {
        UserStore store;
        store.setEnabled(true);
        store.setUser(QStringLiteral("anna"), Role::Administrator, QStringLiteral("anna-pw"));
        store.setUser(QStringLiteral("olga"), Role::Operator, QStringLiteral("olga-pw"));
        if (!store.save().ok)
            return 1;
    }
    window.access()->session()->load();
    int tries = 0;
    // A wrong password, then the right one; a third ask means signing in
    // fails, and the dialog would come back for ever: give up instead.
    const Shots::ScriptedPrompts prompts([&](QDialog *dialog) {
        auto *signIn = qobject_cast<SignInDialog *>(dialog);
        if (!signIn || tries == 2)
            return int(QDialog::Rejected);
        signIn->setName(QStringLiteral("olga"));
        if (tries++ == 1) {
            signIn->show();
            signIn->move(window.geometry().center() - signIn->rect().center());
            pause(400);
            save(signIn->grab(), out.filePath(QStringLiteral("journal-sign-in.png")));
        }
        signIn->setPassword(tries == 1 ? QStringLiteral("guess") : QStringLiteral("olga-pw"));
        return int(QDialog::Accepted);
    });
    window.access()->signIn();
    if (!window.access()->session()->signedIn()) {
        std::fprintf(stderr, "journal-shots: olga could not sign in\n");
        return 1;
    }
    pause(300);

    // An operator's view: print parameters are a supervisor's.
    QToolButton *parameters = button("syncPrintParameterBtn");
    const QPoint at = parameters->mapToGlobal(parameters->rect().center());
    QCursor::setPos(at + QPoint(1, 1));
    QCursor::setPos(at);
    // The tool tip Qt shows by itself after hovering; shown by hand if not.
    if (!waitFor([] { return QToolTip::isVisible(); }, 2500))
        QToolTip::showText(at, parameters->toolTip(), parameters, parameters->rect(), 10000);
    pause(500);
    save(withToolTip(&window, 420), out.filePath(QStringLiteral("journal-disabled-button.png")));

    for (auto &coder : coders)
        coder->stop();
    pause(200);
    return saved ? 0 : 1;
}
