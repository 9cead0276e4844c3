// SPDX-License-Identifier: GPL-3.0-or-later
// jobs-shots: the Jobs view after a scan, for the manual.  Run it in a
// working folder holding "Spray/":
//   jobs-shots OUT_DIR TEMPLATE.spr
// A catalogue (korvex.db of the folder) gets a product on that template,
// approved as it is, which asks for a packaging scan; a GS1-128 scan then
// chooses it, fills its lot and production date, and a scan of its
// packaging confirms it.  Writes jobs-view.png; fails when it cannot.
#include "catalogue.h"
#include "jobscan.h"
#include "jobservice.h"
#include "jobspanel.h"
#include "startup.h"
#include "station.h"
#include "stationwindow.h"

#include "shotsupport.h"

#include <QApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>

#include <cstdio>

namespace {

void scan(QWidget *panel, const char *box, const QString &code)
{
    auto *edit = panel->findChild<QLineEdit *>(QLatin1String(box));
    edit->setText(code);
    emit edit->returnPressed();
    Shots::pause(100);
}

} // namespace

int main(int argc, char *argv[])
{
    Q_INIT_RESOURCE(mainwindow);
    QApplication app(argc, argv);
    Startup::configure(app);
    const QStringList args = app.arguments();
    if (args.size() != 3) {
        std::fprintf(stderr, "usage: jobs-shots OUT_DIR TEMPLATE.spr\n");
        return 2;
    }
    const QDir out(args.at(1));
    QFile file(args.at(2));
    if (!file.open(QIODevice::ReadOnly))
        return 1;
    const QByteArray bytes = file.readAll();
    QFile::remove(QStringLiteral("korvex.db"));

    StationWindow window;
    JobService service(window.KorvexMainWindow::station());
    if (!service.open())
        return 1;
    Product p;
    p.code = QStringLiteral("OJ-1L");
    p.gtin = QStringLiteral("09501101020917");
    p.name = QStringLiteral("Orange juice 1 l");
    p.templateName = QFileInfo(args.at(2)).fileName();
    ShelfLifeRule::parse(QStringLiteral("30 days"), &p.shelfLife, nullptr);
    p.coders = QStringList{QStringLiteral("*")};
    p.packagingScan = true;
    Approval a;
    a.templateName = p.templateName;
    a.sha256 =
        QString::fromLatin1(QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex());
    a.signerName = QStringLiteral("Sam Supervisor");
    a.account = QStringLiteral("sam");
    a.meaning = QStringLiteral("Approved for production");
    if (!service.catalogue()->addProduct(&p, QStringLiteral("sam")).ok() ||
        !service.catalogue()->approve(&a, false).ok())
        return 1;
    window.setJobService(&service);
    window.resize(1280, 800);
    window.show();
    JobsPanel *panel = window.jobsPanel();
    panel->parentWidget()->show();
    panel->scan()->setToday([] { return QDate(2026, 12, 9); });
    Shots::pause(300);

    const QString gs(QChar(0x1d));
    scan(panel, "gtinEdit",
         QStringLiteral("]C10109501101020917") + QStringLiteral("10A2041") + gs +
             QStringLiteral("1126120915270101"));
    panel->findChild<QLineEdit *>(QStringLiteral("orderEdit"))->setText(QStringLiteral("PO-77"));
    scan(panel, "packagingEdit", QStringLiteral("]d20109501101020917"));
    Shots::pause(200);
    const QString path = out.filePath(QStringLiteral("jobs-view.png"));
    const bool ok = panel->parentWidget()->grab().save(path);
    std::printf("%s %s\n", ok ? "wrote" : "cannot write", qUtf8Printable(path));
    return ok ? 0 : 1;
}
