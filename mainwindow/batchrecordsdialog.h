// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "records.h"

#include <QDialog>
#include <QList>

#include <memory>

class Catalogue;

namespace Ui {
class BatchRecordsDialog;
}

// The batch records of the catalogue, by the days their jobs started and by
// lot, newest first, each exported as CSV or as a one-page PDF.
class BatchRecordsDialog : public QDialog
{
    Q_OBJECT
public:
    BatchRecordsDialog(Catalogue *catalogue, const QString &jobFolder, QWidget *parent = nullptr);
    ~BatchRecordsDialog() override;

    QList<JobRecord> jobs() const { return m_jobs; }
    void find();
    void choose(int row);
    // Export the chosen job to a file the prompts name; false when not written.
    bool exportCsv();
    bool exportPdf();

private:
    const JobRecord *chosen() const;
    QString signatureOf(const JobRecord &job) const;

    std::unique_ptr<Ui::BatchRecordsDialog> ui;
    Catalogue *m_catalogue;
    QString m_jobFolder;
    QList<JobRecord> m_jobs;
};
