// SPDX-License-Identifier: GPL-3.0-or-later
#include "jobspanel.h"

#include "catalogue.h"
#include "coderlistmodel.h"
#include "devicelistpanel.h"
#include "fleet.h"
#include "jobscan.h"
#include "jobservice.h"
#include "journal.h"
#include "remotejobs.h"
#include "session.h"
#include "station.h"
#include "ui_jobspanel.h"

#include <QComboBox>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QListView>

namespace {

constexpr int kListedProducts = 50;
const QString kRefusedStyle = QStringLiteral("color: rgb(200, 0, 0);");

// Two coders behind one address differ by their connection names.
QString nameOf(const Coder &coder)
{
    return coder.remarkName.isEmpty()
               ? coder.connectionName
               : QStringLiteral("%1 (%2)").arg(coder.remarkName, coder.connectionName);
}

} // namespace

JobsPanel::JobsPanel(Station *station, DeviceListPanel *devices, QWidget *parent)
    : QWidget(parent), ui(std::make_unique<Ui::JobsPanel>()), m_station(station), m_devices(devices)
{
    ui->setupUi(this);
    m_remoteJobs = new RemoteJobs(devices->model(), this);
    connect(m_remoteJobs, &RemoteJobs::changed, this, &JobsPanel::showStages);
    m_scan = new JobScan(
        station,
        {ui->gtinEdit, ui->gtinReason, ui->lotEdit, ui->packagingLabel, ui->packagingEdit,
         ui->packagingReason},
        [this] { return catalogueRefusal(); }, this);
    connect(m_scan, &JobScan::chosen, this, &JobsPanel::showProduct);
    connect(m_scan, &JobScan::problem, this, &JobsPanel::problem);
    connect(m_scan, &JobScan::confirmationChanged, this,
            [this] { ui->startJobBtn->setEnabled(m_scan->startAllowed()); });
    ui->gtinReason->setStyleSheet(kRefusedStyle);
    connect(ui->searchEdit, &QLineEdit::textChanged, this, &JobsPanel::search);
    connect(ui->productList, &QListWidget::itemSelectionChanged, this, &JobsPanel::chooseListed);
    connect(ui->startJobBtn, &QPushButton::clicked, this, &JobsPanel::startJob);
    connect(ui->startPrintingBtn, &QPushButton::clicked, this, &JobsPanel::startPrinting);
    connect(ui->endJobBtn, &QPushButton::clicked, this, &JobsPanel::endJob);
    connect(m_devices->view()->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &JobsPanel::updateCoders);
    showProduct(Product());
    showStages();
}

JobsPanel::~JobsPanel() = default;

void JobsPanel::setJobService(JobService *service)
{
    if (m_service)
        disconnect(m_service->runner(), nullptr, this, nullptr);
    m_service = service;
    m_scan->setJobService(service);
    if (m_service) {
        connect(m_service->runner(), &JobRunner::stageChanged, this, &JobsPanel::stageChanged);
        connect(m_service->runner(), &JobRunner::jobEnded, this, &JobsPanel::jobEnded);
        connect(m_service->runner(), &JobRunner::recordsWaiting, this, &JobsPanel::showWaiting);
        // A job found running at start (the program had died) is this view's to end.
        if (!m_jobId && !m_service->runner()->runningJobs().isEmpty())
            m_jobId = m_service->runner()->runningJobs().first();
        showStages();
    }
    showWaiting(m_service ? m_service->runner()->waitingRecords() : 0);
    search();
}

QString JobsPanel::catalogueRefusal() const
{
    if (!m_service)
        return tr("This window runs no jobs: it has no catalogue.");
    if (!m_service->catalogue()->isOpen())
        return tr("The catalogue (%1) is not open; no job starts until it is.")
            .arg(m_service->where());
    return QString();
}

void JobsPanel::search()
{
    ui->productList->clear();
    if (!catalogueRefusal().isEmpty())
        return;
    QList<Product> found;
    const CatalogueStatus status = m_service->catalogue()->searchProducts(
        ui->searchEdit->text().trimmed(), 0, kListedProducts, &found);
    if (!status.ok()) {
        emit problem(tr("Products cannot be listed: %1").arg(status.reason));
        return;
    }
    for (const Product &p : qAsConst(found)) {
        auto *item = new QListWidgetItem(QStringLiteral("%1  %2").arg(p.code, p.name));
        item->setData(Qt::UserRole, p.code);
        ui->productList->addItem(item);
    }
}

void JobsPanel::chooseListed()
{
    const QList<QListWidgetItem *> items = ui->productList->selectedItems();
    if (items.isEmpty() || !catalogueRefusal().isEmpty())
        return;
    Product found;
    const CatalogueStatus status =
        m_service->catalogue()->productByCode(items.first()->data(Qt::UserRole).toString(), &found);
    if (!status.ok()) {
        refuse(status.reason);
        return;
    }
    ui->gtinReason->clear();
    showProduct(found);
}

void JobsPanel::showProduct(const Product &product)
{
    m_product = product;
    m_scan->productShown(product);
    m_fields.clear();
    qDeleteAll(ui->fieldsBox->findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly));
    ui->productLabel->setText(
        product.id ? QStringLiteral("%1 %2\n%3 · %4")
                         .arg(product.code, product.gtin, product.name, product.templateName)
                   : tr("none chosen"));
    for (const JobField &field : product.fields) {
        FieldRow row;
        row.field = field;
        const int at = m_fields.size();
        auto *label = new QLabel(field.label.isEmpty() ? field.name : field.label, ui->fieldsBox);
        if (field.kind == JobField::Kind::PickList) {
            auto *box = new QComboBox(ui->fieldsBox);
            if (!field.required)
                box->addItem(QString());
            box->addItems(field.choices);
            box->setCurrentText(field.defaultValue);
            connect(box, &QComboBox::currentTextChanged, this, [this, at] { checkField(at); });
            row.editor = box;
        } else {
            auto *edit = new QLineEdit(ui->fieldsBox);
            edit->setPlaceholderText(field.kind == JobField::Kind::Date &&
                                             field.defaultValue.isEmpty()
                                         ? tr("YYYY-MM-DD")
                                         : field.defaultValue);
            connect(edit, &QLineEdit::textChanged, this, [this, at] { checkField(at); });
            row.editor = edit;
        }
        row.editor->setObjectName(QStringLiteral("field_") + field.name);
        row.reason = new QLabel(ui->fieldsBox);
        row.reason->setObjectName(QStringLiteral("reason_") + field.name);
        row.reason->setStyleSheet(kRefusedStyle);
        row.reason->setWordWrap(true);
        ui->fieldsLayout->addWidget(label, 2 * at, 0);
        ui->fieldsLayout->addWidget(row.editor, 2 * at, 1);
        ui->fieldsLayout->addWidget(row.reason, 2 * at + 1, 1);
        m_fields << row;
        checkField(at);
    }
    updateCoders();
}

QString JobsPanel::valueOf(const FieldRow &row) const
{
    if (auto *box = qobject_cast<QComboBox *>(row.editor))
        return box->currentText();
    return static_cast<QLineEdit *>(row.editor)->text();
}

// An empty value stands for the field's default, as the job takes it.
void JobsPanel::checkField(int row)
{
    const FieldRow &f = m_fields.at(row);
    const QString value = valueOf(f);
    f.reason->setText(f.field.check(value.isEmpty() ? f.field.defaultValue : value));
}

QString JobsPanel::fieldReason(const QString &name) const
{
    for (const FieldRow &row : m_fields) {
        if (row.field.name == name)
            return row.reason->text();
    }
    return QString();
}

QString JobsPanel::startReason() const
{
    return ui->startReason->text();
}

// The checked coders, and those of them the product may not run on.
void JobsPanel::updateCoders()
{
    QStringList names;
    QStringList barred;
    for (int descriptor : m_devices->checkedDescriptors()) {
        const Coder *coder = m_station->fleet()->coder(descriptor);
        if (!coder)
            continue;
        names << nameOf(*coder);
        if (m_product.id && !m_product.mayRunOn(coder->ipText, coder->remarkName))
            barred << nameOf(*coder);
    }
    names += m_remoteJobs->namesOf(m_devices->checkedDescriptors(), m_product, &barred);
    QString text = names.isEmpty() ? tr("Coders: none checked in the device list")
                                   : tr("Coders: %1").arg(names.join(QStringLiteral(", ")));
    if (!barred.isEmpty())
        text += QLatin1Char('\n') +
                tr("Not allowed for this product: %1").arg(barred.join(QStringLiteral(", ")));
    ui->codersLabel->setText(text);
    ui->codersLabel->setStyleSheet(barred.isEmpty() ? QString() : kRefusedStyle);
}

QString JobsPanel::user() const
{
    const Session *session = m_station->session();
    return session->signedIn() ? session->userName() : Journal::systemUserName();
}

void JobsPanel::refuse(const QString &reason)
{
    ui->startReason->setText(reason);
    emit problem(reason);
}

void JobsPanel::startJob()
{
    QString refused = catalogueRefusal();
    if (refused.isEmpty())
        refused = m_station->session()->refusal(Permission::RunJobs);
    if (refused.isEmpty() && !m_product.id)
        refused = tr("Choose a product first.");
    if (refused.isEmpty() && m_devices->checkedDescriptors().isEmpty())
        refused = tr("Check the coders of the job in the device list first.");
    if (!refused.isEmpty()) {
        refuse(tr("The job was not started: %1").arg(refused));
        return;
    }
    JobRunner::Request request;
    request.product = m_product.code;
    request.order = ui->orderEdit->text().trimmed();
    request.lot = ui->lotEdit->text().trimmed();
    for (const FieldRow &row : qAsConst(m_fields)) {
        const QString value = valueOf(row);
        if (!value.isEmpty())
            request.values.insert(row.field.name, value);
    }
    request.coders = m_remoteJobs->localOf(m_devices->checkedDescriptors());
    request.packagingGtin = m_scan->packagingGtin();
    request.production = m_scan->production();
    request.user = user();
    request.origin = {QString::fromLatin1(Session::kJobVia), QString(), request.user};
    const JobRunner::Started started = request.coders.isEmpty()
                                           ? JobRunner::Started{true, {}, 0, {}}
                                           : m_service->runner()->start(request);
    if (!started.ok) {
        refuse(tr("The job was not started: %1").arg(started.error));
        return;
    }
    const QStringList remote = m_remoteJobs->start(
        m_devices->checkedDescriptors(),
        {m_product.code, request.order, request.lot, request.values, request.packagingGtin});
    if (request.coders.isEmpty() && remote.isEmpty()) {
        refuse(tr("The job was not started: no line took it; the event log says why."));
        return;
    }
    ui->startReason->clear();
    m_scan->productShown(m_product); // the next job's packaging is scanned anew
    m_jobId = started.jobId;
    m_jobCoders = request.coders;
    if (m_jobId)
        emit note(tr("Job %1 started: %2, order %3, lot %4.")
                      .arg(m_jobId)
                      .arg(m_product.code, request.order, request.lot));
    if (!remote.isEmpty())
        emit note(RemoteJobs::whereText(m_jobId, request.lot, remote));
    for (int descriptor : qAsConst(m_jobCoders))
        stageChanged(descriptor, m_service->runner()->stateOf(descriptor));
}

void JobsPanel::startPrinting()
{
    const bool remote = m_remoteJobs->startVerified();
    if (!m_jobId || !m_service) {
        if (!remote)
            refuse(m_remoteJobs->hasJob() ? RemoteJobs::notVerified()
                                          : tr("No job is running in this view."));
        return;
    }
    QList<int> verified;
    for (int descriptor : qAsConst(m_jobCoders)) {
        if (m_service->runner()->jobOf(descriptor) == m_jobId &&
            m_service->runner()->stateOf(descriptor) == JobRunner::Stage::Verified)
            verified << descriptor;
    }
    if (verified.isEmpty()) {
        if (!remote)
            refuse(tr("Not started: no coder of job %1 is verified.").arg(m_jobId));
        return;
    }
    const CommandResult result = m_station->fleet()->start(verified);
    if (!result.ok)
        refuse(result.error);
}

void JobsPanel::endJob()
{
    if ((!m_jobId || !m_service) && !m_remoteJobs->hasJob()) {
        refuse(tr("No job is running in this view."));
        return;
    }
    const QString refused = m_station->session()->refusal(Permission::RunJobs);
    if (!refused.isEmpty()) {
        refuse(m_jobId ? tr("Job %1 was not ended: %2").arg(m_jobId).arg(refused)
                       : RemoteJobs::notEnded(refused));
        return;
    }
    m_remoteJobs->end();
    if (!m_jobId || !m_service)
        return;
    const QString error = m_service->runner()->end(
        m_jobId, user(), {QString::fromLatin1(Session::kJobVia), QString(), user()});
    if (!error.isEmpty())
        refuse(error);
}

void JobsPanel::stageChanged(int descriptor, JobRunner::Stage stage)
{
    const JobRecord *job = m_service->runner()->job(m_service->runner()->jobOf(descriptor));
    if (job) {
        m_devices->model()->setJob(
            descriptor, tr("%1 (%2)").arg(job->orderNumber, job->productCode), job->lot,
            stageText(stage),
            stage == JobRunner::Stage::Mismatch || stage == JobRunner::Stage::NotVerified);
    }
    if (job && job->id == m_jobId && !m_jobCoders.contains(descriptor))
        m_jobCoders << descriptor;
    if (m_jobCoders.contains(descriptor))
        showStages();
}

void JobsPanel::jobEnded(qint64 jobId)
{
    for (int descriptor : m_station->fleet()->descriptors()) {
        if (!m_service->runner()->jobOf(descriptor))
            m_devices->model()->setJob(descriptor, QString(), QString(), QString(), false);
    }
    if (jobId == m_jobId) {
        emit note(tr("Job %1 ended.").arg(jobId));
        m_jobId = 0;
        m_jobCoders.clear();
    }
    showStages();
}

void JobsPanel::showStages()
{
    ui->stageList->clear();
    ui->startPrintingBtn->setEnabled(m_jobId != 0 || m_remoteJobs->hasJob());
    ui->endJobBtn->setEnabled(ui->startPrintingBtn->isEnabled());
    for (int descriptor : qAsConst(m_jobCoders)) {
        const Coder *coder = m_station->fleet()->coder(descriptor);
        const JobRunner::Stage stage = m_service->runner()->stateOf(descriptor);
        const bool inJob = m_service->runner()->jobOf(descriptor) == m_jobId;
        auto *item =
            new QListWidgetItem(tr("%1: %2").arg(coder ? nameOf(*coder) : tr("a coder gone"),
                                                 inJob ? stageText(stage) : tr("not in the job")));
        if (!inJob || stage == JobRunner::Stage::Mismatch || stage == JobRunner::Stage::NotVerified)
            item->setForeground(QColor(200, 0, 0));
        item->setData(Qt::UserRole, descriptor);
        ui->stageList->addItem(item);
    }
    m_remoteJobs->listStages(ui->stageList);
}

// Batch-record writes that wait for the catalogue, so nobody takes the
// record for complete meanwhile.
void JobsPanel::showWaiting(int count)
{
    ui->outboxLabel->setVisible(count > 0);
    ui->outboxLabel->setText(
        tr("%n batch-record write(s) wait for the catalogue; they are written in order when it "
           "is back.",
           nullptr, count));
}
