// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "jobrunner.h"
#include "product.h"

#include <QWidget>

#include <memory>

class DeviceListPanel;
class JobScan;
class JobService;
class QLabel;
class QWidget;
class RemoteJobs;
class Station;

namespace Ui {
class JobsPanel;
}

// The "Jobs" view of the control window: the operator chooses a product
// from the catalogue (by search, or by its GTIN typed or scanned: JobScan), gives
// the order, the lot and the product's fields, each checked as it is typed
// with the reason beside it, and starts the job on the checked coders of
// the device list (those of other lines through RemoteJobs).  Each coder's stage follows in the
// view and on its button; "Start printing" starts the job's verified coders only, "End job" stops
// them and closes the batch record.  Without a job service (or with its catalogue not open) it says
// so and starts nothing.
class JobsPanel : public QWidget
{
    Q_OBJECT
public:
    JobsPanel(Station *station, DeviceListPanel *devices, QWidget *parent = nullptr);
    ~JobsPanel() override;

    void setJobService(JobService *service);
    // The part of the view for the coders of other lines.
    RemoteJobs *remoteJobs() const { return m_remoteJobs; }
    JobService *jobService() const { return m_service; }

    // The product the job is for; id 0: none chosen.
    const Product &product() const { return m_product; }
    // The job the view shows; 0: none.
    qint64 currentJob() const { return m_jobId; }
    // Why the field's value is refused as it stands; empty when it is good.
    QString fieldReason(const QString &name) const;
    // The reason beside "Start job" (the last refusal).
    QString startReason() const;
    // The translated name of a stage, as the view and the device list show it.
    static QString stageText(JobRunner::Stage stage);
    JobScan *scan() const { return m_scan; }

signals:
    void problem(const QString &text);
    void note(const QString &text);

private:
    struct FieldRow
    {
        JobField field;
        QWidget *editor = nullptr;
        QLabel *reason = nullptr;
    };

    void search();
    void chooseListed();
    void showProduct(const Product &product);
    void checkField(int row);
    QString valueOf(const FieldRow &row) const;
    void updateCoders();
    void startJob();
    void startPrinting();
    void endJob();
    void refuse(const QString &reason);
    void stageChanged(int descriptor, JobRunner::Stage stage);
    void jobEnded(qint64 jobId);
    void showStages();
    void showWaiting(int count);
    QString user() const;
    // Empty when the catalogue can be asked, else why not.
    QString catalogueRefusal() const;

    std::unique_ptr<Ui::JobsPanel> ui;
    Station *m_station;
    DeviceListPanel *m_devices;
    JobService *m_service = nullptr;
    Product m_product;
    QList<FieldRow> m_fields;
    qint64 m_jobId = 0;
    QList<int> m_jobCoders;
    JobScan *m_scan;
    RemoteJobs *m_remoteJobs;
};
