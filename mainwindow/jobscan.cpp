// SPDX-License-Identifier: GPL-3.0-or-later
#include "jobscan.h"

#include "catalogue.h"
#include "commandjournal.h"
#include "gs1scan.h"
#include "jobservice.h"
#include "journal.h"
#include "journalactions.h"
#include "session.h"
#include "station.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>

namespace {

const QString kRefusedStyle = QStringLiteral("color: rgb(200, 0, 0);");
const QString kWarningStyle = QStringLiteral("color: rgb(190, 110, 0);");
const QString kGoodStyle = QStringLiteral("color: rgb(0, 120, 0);");
const QChar kGroupSeparator(0x1d);

void say(QLabel *label, const QString &text, const QString &style)
{
    label->setText(text);
    label->setStyleSheet(style);
}

} // namespace

JobScan::JobScan(Station *station, const Widgets &widgets, std::function<QString()> refusal,
                 QObject *parent)
    : QObject(parent), m_station(station), m_ui(widgets), m_refusal(std::move(refusal)),
      m_today([] { return QDate::currentDate(); })
{
    for (QLineEdit *edit : {m_ui.scan, m_ui.packaging})
        edit->installEventFilter(this);
    connect(m_ui.scan, &QLineEdit::returnPressed, this, &JobScan::choose);
    connect(m_ui.packaging, &QLineEdit::returnPressed, this, &JobScan::confirm);
    productShown(Product());
}

// A line edit drops control characters typed at it; a scanner's group
// separator (0x1D, or Ctrl+]) is part of the code and kept.
bool JobScan::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress) {
        auto *key = static_cast<QKeyEvent *>(event);
        if (key->text() == QString(kGroupSeparator) ||
            (key->key() == Qt::Key_BracketRight && key->modifiers() == Qt::ControlModifier)) {
            static_cast<QLineEdit *>(watched)->insert(QString(kGroupSeparator));
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

void JobScan::productShown(const Product &product)
{
    if (!m_choosing)
        m_production = QDate();
    m_choosing = false;
    m_product = product;
    m_packagingGtin.clear();
    const bool asks = product.id && product.packagingScan;
    m_ui.packagingLabel->setVisible(asks);
    m_ui.packaging->setVisible(asks);
    m_ui.packagingReason->setVisible(asks);
    m_ui.packaging->clear();
    if (asks)
        say(m_ui.packagingReason,
            tr("Scan the packaging on the line: a job of %1 starts only when it shows GTIN %2.")
                .arg(product.code, product.gtin),
            kWarningStyle);
    emit confirmationChanged();
}

bool JobScan::startAllowed() const
{
    return !m_product.packagingScan || !m_packagingGtin.isEmpty();
}

bool JobScan::parse(QLineEdit *edit, QLabel *reason, Gs1Scan *out)
{
    const QString text = edit->text();
    *out = Gs1Scan::parse(text, m_today());
    // The next scan replaces this one rather than adding to it.
    edit->selectAll();
    if (!out->ok()) {
        // Most reasons name the character at fault; the others are told it.
        const QString at = QString::number(out->index + 1);
        say(reason,
            out->index < 0 || out->error.contains(at) ? out->error
                                                      : tr("%1 (character %2)").arg(out->error, at),
            kRefusedStyle);
        return false;
    }
    if (out->gtin.isEmpty()) {
        say(reason, tr("The scan holds no GTIN (01): %1").arg(out->text.left(48)), kRefusedStyle);
        return false;
    }
    return true;
}

void JobScan::choose()
{
    Gs1Scan scan;
    if (!parse(m_ui.scan, m_ui.scanReason, &scan)) {
        emit chosen(Product());
        return;
    }
    const QString refused = m_refusal();
    if (!refused.isEmpty()) {
        say(m_ui.scanReason, refused, kRefusedStyle);
        return;
    }
    Product found;
    const CatalogueStatus status = m_service->catalogue()->productByGtin(scan.gtin, &found);
    if (!status.ok()) {
        say(m_ui.scanReason,
            status.kind == CatalogueStatus::Kind::NotFound
                ? tr("No product has the GTIN %1.").arg(scan.gtin)
                : status.reason,
            kRefusedStyle);
        emit chosen(Product());
        return;
    }
    m_choosing = true;
    m_production = scan.production;
    emit chosen(found);
    if (!scan.lot.isEmpty())
        m_ui.lot->setText(scan.lot);
    const QString dates = datesNote(scan, found);
    QStringList notes;
    if (!scan.lot.isEmpty())
        notes << tr("Lot %1 from the scan.").arg(scan.lot);
    if (scan.production.isValid())
        notes << tr("Production date %1 from the scan.").arg(scan.production.toString(Qt::ISODate));
    if (!dates.isEmpty())
        notes << dates;
    say(m_ui.scanReason, notes.join(QLatin1Char(' ')), dates.isEmpty() ? QString() : kWarningStyle);
}

// What the code says against what the shelf life gives from the production date.
QString JobScan::datesNote(const Gs1Scan &scan, const Product &product) const
{
    const QDate expected =
        product.shelfLife.bestBefore(scan.production.isValid() ? scan.production : m_today());
    if (!expected.isValid())
        return QString();
    QStringList wrong;
    if (scan.bestBefore.isValid() && scan.bestBefore != expected)
        wrong << tr("the best-before date (15) %1").arg(scan.bestBefore.toString(Qt::ISODate));
    if (scan.expiry.isValid() && scan.expiry != expected)
        wrong << tr("the expiry date (17) %1").arg(scan.expiry.toString(Qt::ISODate));
    if (wrong.isEmpty())
        return QString();
    return tr("Check the packaging: %1 is not %2, which the shelf life of %3 (%4) gives.")
        .arg(wrong.join(QStringLiteral("; ")), expected.toString(Qt::ISODate), product.code,
             product.shelfLife.toText());
}

void JobScan::confirm()
{
    if (!m_product.id || !m_product.packagingScan)
        return;
    m_packagingGtin.clear();
    Gs1Scan scan;
    const bool parsed = parse(m_ui.packaging, m_ui.packagingReason, &scan);
    if (parsed && scan.gtin == m_product.gtin) {
        m_packagingGtin = scan.gtin;
        say(m_ui.packagingReason, tr("Packaging confirmed: GTIN %1.").arg(scan.gtin), kGoodStyle);
    } else if (parsed) {
        const QString text = tr("The packaging scanned (GTIN %1) is not that of %2 (GTIN %3): "
                                "the job does not start.")
                                 .arg(scan.gtin, m_product.code, m_product.gtin);
        say(m_ui.packagingReason, text, kRefusedStyle);
        m_station->commands()->record(JournalAction::kPackagingRefused,
                                      {{QStringLiteral("product"), m_product.code},
                                       {QStringLiteral("gtin"), m_product.gtin},
                                       {QStringLiteral("scanned"), scan.gtin}},
                                      user());
        emit problem(text);
    }
    emit confirmationChanged();
}

QString JobScan::user() const
{
    const Session *session = m_station->session();
    return session->signedIn() ? session->userName() : Journal::systemUserName();
}
