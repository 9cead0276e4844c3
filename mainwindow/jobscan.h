// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "product.h"

#include <QDate>
#include <QObject>

#include <functional>

class JobService;
class QLabel;
class QLineEdit;
class Station;
struct Gs1Scan;

// The scans of the Jobs view.  A hand scanner (keyboard wedge) types the
// code and Enter, perhaps after an AIM identifier ("]C1", "]d2", "]Q3") and
// with the group separator 0x1D between fields.  A scan in the product box
// chooses the product by its GTIN (01), fills the lot from (10), takes the
// production date from (11) and warns when a best-before (15) or expiry
// (17) date is not what the product's shelf life gives.  For a product that
// asks for it, a scan of the packaging on the line in the packaging box
// must show the product's GTIN before the job may start; another GTIN is
// refused and journaled.  A scan that is no code says why and where.
class JobScan : public QObject
{
    Q_OBJECT
public:
    struct Widgets
    {
        QLineEdit *scan = nullptr; // chooses the product
        QLabel *scanReason = nullptr;
        QLineEdit *lot = nullptr;
        QLabel *packagingLabel = nullptr;
        QLineEdit *packaging = nullptr; // confirms it
        QLabel *packagingReason = nullptr;
    };
    // refusal: empty while the catalogue may be asked, else why not.
    JobScan(Station *station, const Widgets &widgets, std::function<QString()> refusal,
            QObject *parent = nullptr);

    void setJobService(JobService *service) { m_service = service; }
    void setToday(std::function<QDate()> today) { m_today = std::move(today); }

    // The view shows another product (chosen by a scan or from the list).
    void productShown(const Product &product);
    // False while the product waits for its packaging scan.
    bool startAllowed() const;
    // The GTIN of the packaging scanned for this product; empty for none.
    QString packagingGtin() const { return m_packagingGtin; }
    // The production date of the scan that chose the product; invalid for none.
    QDate production() const { return m_production; }

signals:
    void chosen(const Product &product);
    void confirmationChanged();
    void problem(const QString &text);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void choose();
    void confirm();
    // The scan taken apart, or null with the reason shown beside the box.
    bool parse(QLineEdit *edit, QLabel *reason, Gs1Scan *out);
    QString datesNote(const Gs1Scan &scan, const Product &product) const;
    QString user() const;

    Station *m_station;
    Widgets m_ui;
    std::function<QString()> m_refusal;
    std::function<QDate()> m_today;
    JobService *m_service = nullptr;
    Product m_product;
    QString m_packagingGtin;
    QDate m_production;
    bool m_choosing = false; // the product shown next is the scan's
};
