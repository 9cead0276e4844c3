// SPDX-License-Identifier: GPL-3.0-or-later
#include "batchrecordsdialog.h"

#include "batchrecordpdf.h"
#include "catalogue.h"
#include "prompts.h"
#include "templatesigning.h"
#include "ui_batchrecordsdialog.h"

#include <QDir>
#include <QHeaderView>
#include <QSaveFile>

namespace {

QString timeText(const QDateTime &t)
{
    return t.isValid() ? t.toLocalTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"))
                       : QString();
}

} // namespace

BatchRecordsDialog::BatchRecordsDialog(Catalogue *catalogue, const QString &jobFolder,
                                       QWidget *parent)
    : QDialog(parent), ui(std::make_unique<Ui::BatchRecordsDialog>()), m_catalogue(catalogue),
      m_jobFolder(jobFolder)
{
    ui->setupUi(this);
    setObjectName(QStringLiteral("batchRecordsDialog"));
    ui->list->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    const QDate today = QDate::currentDate();
    ui->from->setDate(today.addDays(-30));
    ui->to->setDate(today);
    connect(ui->find, &QPushButton::clicked, this, &BatchRecordsDialog::find);
    connect(ui->lot, &QLineEdit::returnPressed, this, &BatchRecordsDialog::find);
    connect(ui->list, &QTableWidget::currentCellChanged, this, [this](int row) { choose(row); });
    connect(ui->exportCsv, &QPushButton::clicked, this, &BatchRecordsDialog::exportCsv);
    connect(ui->exportPdf, &QPushButton::clicked, this, &BatchRecordsDialog::exportPdf);
    find();
}

BatchRecordsDialog::~BatchRecordsDialog() = default;

void BatchRecordsDialog::find()
{
    JobQuery query;
    // Whole local days, the last one included.
    query.from = QDateTime(ui->from->date(), QTime(0, 0));
    query.to = QDateTime(ui->to->date().addDays(1), QTime(0, 0));
    query.lot = ui->lot->text().trimmed();
    m_jobs.clear();
    const CatalogueStatus status = m_catalogue->jobs(query, &m_jobs);
    ui->details->setText(status.ok()
                             ? tr("%n jobs", nullptr, m_jobs.size())
                             : tr("The batch records cannot be read: %1").arg(status.reason));
    const QSignalBlocker quiet(ui->list);
    ui->list->setRowCount(m_jobs.size());
    for (int row = 0; row < m_jobs.size(); ++row) {
        const JobRecord &j = m_jobs.at(row);
        const QStringList cells{
            QString::number(j.id), timeText(j.startedAt), j.productCode, j.orderNumber, j.lot,
            timeText(j.endedAt)};
        for (int column = 0; column < cells.size(); ++column)
            ui->list->setItem(row, column, new QTableWidgetItem(cells.at(column)));
    }
    const bool any = !m_jobs.isEmpty();
    ui->exportCsv->setEnabled(any);
    ui->exportPdf->setEnabled(any);
    if (any)
        ui->list->setCurrentCell(0, 0);
    choose(any ? 0 : -1);
}

void BatchRecordsDialog::choose(int row)
{
    if (row < 0 || row >= m_jobs.size())
        return;
    const JobRecord &j = m_jobs.at(row);
    ui->details->setText(tr("Template %1: %2\nMessage sent: SHA-256 %3")
                             .arg(j.templateName, signatureOf(j), j.messageSha256));
}

const JobRecord *BatchRecordsDialog::chosen() const
{
    const int row = ui->list->currentRow();
    return row >= 0 && row < m_jobs.size() ? &m_jobs.at(row) : nullptr;
}

QString BatchRecordsDialog::signatureOf(const JobRecord &job) const
{
    if (job.approvalId == 0)
        return tr("run without an approval");
    Approval a;
    const CatalogueStatus status =
        m_catalogue->approvalOf(job.templateName, job.templateSha256, &a);
    return status.ok() ? TemplateSigning::describe(a) : status.reason;
}

bool BatchRecordsDialog::exportCsv()
{
    const JobRecord *job = chosen();
    if (!job)
        return false;
    const QString path =
        Prompts::fileToSave(this, tr("Export the batch record"),
                            QStringLiteral("job-%1-%2.csv").arg(job->id).arg(job->lot),
                            tr("CSV files (*.csv);;All files (*)"), QStringLiteral("csv"));
    if (path.isEmpty())
        return false;
    QSaveFile file(path);
    const QByteArray bytes = job->toCsv();
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        Prompts::warning(this, tr("Export the batch record"),
                         tr("%1 cannot be written (%2)").arg(path, file.errorString()));
        return false;
    }
    return true;
}

bool BatchRecordsDialog::exportPdf()
{
    const JobRecord *job = chosen();
    if (!job)
        return false;
    const QString path =
        Prompts::fileToSave(this, tr("Export the batch record"),
                            QStringLiteral("job-%1-%2.pdf").arg(job->id).arg(job->lot),
                            tr("PDF files (*.pdf);;All files (*)"), QStringLiteral("pdf"));
    if (path.isEmpty())
        return false;
    BatchRecordPdf::Input in;
    in.job = *job;
    Product product;
    if (m_catalogue->productByCode(job->productCode, &product).ok())
        in.productName = product.name;
    in.signature = signatureOf(*job);
    in.messagePath = BatchRecordPdf::findMessage(m_jobFolder, job->messageSha256);
    m_catalogue->readerCounts(job->id, &in.readerCounts);
    QList<ChallengeRecord> challenges;
    m_catalogue->challenges(job->startedAt, QDateTime(), QString(), &challenges);
    for (const ChallengeRecord &c : qAsConst(challenges)) {
        if (c.jobId == job->id)
            in.challenges << c;
    }
    const QString error = BatchRecordPdf::write(in, path);
    if (!error.isEmpty()) {
        Prompts::warning(this, tr("Export the batch record"), error);
        return false;
    }
    return true;
}
