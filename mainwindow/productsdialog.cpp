// SPDX-License-Identifier: GPL-3.0-or-later
#include "productsdialog.h"

#include "batchrecordsdialog.h"
#include "catalogue.h"
#include "gtin.h"
#include "journal.h"
#include "productcsv.h"
#include "prompts.h"
#include "session.h"
#include "signaturedialog.h"
#include "templatesigning.h"
#include "ui_productsdialog.h"

#include <QDir>
#include <QFileInfo>
#include <QHeaderView>

namespace {

const char *kCsvFilter = QT_TRANSLATE_NOOP("ProductsDialog", "CSV files (*.csv);;All files (*)");

QStringList splitCoders(const QString &text)
{
    QStringList out;
    for (const QString &part : text.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
        if (!part.trimmed().isEmpty())
            out << part.trimmed();
    }
    return out;
}

} // namespace

ProductsDialog::ProductsDialog(Catalogue *catalogue, Session *session, CommandJournal *journal,
                               const QString &messageFolder, const QString &jobFolder,
                               QWidget *parent)
    : QDialog(parent), ui(std::make_unique<Ui::ProductsDialog>()), m_catalogue(catalogue),
      m_session(session), m_journal(journal), m_messageFolder(messageFolder), m_jobFolder(jobFolder)
{
    ui->setupUi(this);
    setObjectName(QStringLiteral("productsDialog"));
    ui->list->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    ui->splitter->setStretchFactor(1, 1);
    ui->templateName->addItem(QString());
    ui->templateName->addItems(
        QDir(m_messageFolder).entryList({QStringLiteral("*.spr")}, QDir::Files, QDir::Name));
    ui->fields->setTabChangesFocus(true);

    connect(ui->search, &QLineEdit::textChanged, this, &ProductsDialog::search);
    connect(ui->previousPage, &QPushButton::clicked, this, [this] {
        m_offset = qMax(0, m_offset - kPageSize);
        showPage();
    });
    connect(ui->nextPage, &QPushButton::clicked, this, [this] {
        m_offset += kPageSize;
        showPage();
    });
    connect(ui->list, &QTableWidget::currentCellChanged, this, [this](int row) { choose(row); });
    connect(ui->gtin, &QLineEdit::textChanged, this, &ProductsDialog::checkGtin);
    connect(ui->templateName, &QComboBox::currentTextChanged, this, &ProductsDialog::showSignature);
    connect(ui->newProduct, &QPushButton::clicked, this, &ProductsDialog::newProduct);
    connect(ui->save, &QPushButton::clicked, this, &ProductsDialog::save);
    connect(ui->sign, &QPushButton::clicked, this, &ProductsDialog::signTemplate);
    connect(ui->importCsv, &QPushButton::clicked, this, &ProductsDialog::importCsv);
    connect(ui->exportCsv, &QPushButton::clicked, this, &ProductsDialog::exportCsv);
    connect(ui->batchRecords, &QPushButton::clicked, this, &ProductsDialog::openBatchRecords);
    newProduct();
    search(QString());
}

ProductsDialog::~ProductsDialog() = default;

void ProductsDialog::search(const QString &text)
{
    m_search = text.trimmed();
    m_offset = 0;
    showPage();
}

void ProductsDialog::showPage()
{
    m_page.clear();
    const CatalogueStatus status =
        m_catalogue->searchProducts(m_search, m_offset, kPageSize, &m_page, &m_total);
    if (!status.ok()) {
        m_total = 0;
        say(tr("The products cannot be read: %1").arg(status.reason), true);
    }
    const QSignalBlocker quiet(ui->list);
    ui->list->setRowCount(m_page.size());
    for (int row = 0; row < m_page.size(); ++row) {
        const Product &p = m_page.at(row);
        ui->list->setItem(row, 0, new QTableWidgetItem(p.code));
        ui->list->setItem(row, 1, new QTableWidgetItem(p.gtin));
        ui->list->setItem(row, 2, new QTableWidgetItem(p.name));
    }
    ui->pageLabel->setText(
        m_total == 0
            ? tr("no products")
            : tr("%1-%2 of %3").arg(m_offset + 1).arg(m_offset + m_page.size()).arg(m_total));
    ui->previousPage->setEnabled(m_offset > 0);
    ui->nextPage->setEnabled(m_offset + m_page.size() < m_total);
}

void ProductsDialog::choose(int row)
{
    if (row >= 0 && row < m_page.size())
        showProduct(m_page.at(row));
}

void ProductsDialog::newProduct()
{
    showProduct(Product());
    ui->code->setFocus();
}

void ProductsDialog::showProduct(const Product &p)
{
    m_current = p;
    ui->code->setText(p.code);
    ui->gtin->setText(p.gtin);
    ui->name->setText(p.name);
    if (ui->templateName->findText(p.templateName) < 0)
        ui->templateName->addItem(p.templateName);
    ui->templateName->setCurrentText(p.templateName);
    ui->shelfLife->setText(p.shelfLife.toText());
    ui->packagingScan->setChecked(p.packagingScan);
    ui->coders->setText(p.coders.join(QStringLiteral("; ")));
    ui->fields->setPlainText(p.fields.isEmpty() ? QString() : JobField::listToJson(p.fields));
    ui->changed->setText(p.id == 0
                             ? tr("new product")
                             : tr("saved by %1, %2 (revision %3)")
                                   .arg(p.changedBy, p.changedAt.toLocalTime().toString(
                                                         QStringLiteral("yyyy-MM-dd HH:mm:ss")))
                                   .arg(p.revision));
    showSignature();
}

void ProductsDialog::checkGtin()
{
    const QString text = ui->gtin->text().trimmed();
    if (text.isEmpty()) {
        ui->gtinCheck->clear();
        return;
    }
    const Gtin::Result r = Gtin::normalise(text);
    ui->gtinCheck->setStyleSheet(r.ok() ? QStringLiteral("color: rgb(0, 120, 0);")
                                        : QStringLiteral("color: rgb(180, 0, 0);"));
    ui->gtinCheck->setText(r.ok() ? tr("check digit good: %1").arg(r.gtin14) : r.error);
}

QString ProductsDialog::templatePath() const
{
    const QString name = ui->templateName->currentText();
    return name.isEmpty() ? QString() : QDir(m_messageFolder).filePath(name);
}

void ProductsDialog::showSignature()
{
    const QString path = templatePath();
    ui->sign->setEnabled(!path.isEmpty());
    if (path.isEmpty()) {
        ui->signature->clear();
        return;
    }
    Approval found;
    const QString text = TemplateSigning::describe(*m_catalogue, path, &found);
    ui->signature->setStyleSheet(found.id == 0 ? QStringLiteral("color: rgb(180, 0, 0);")
                                               : QString());
    ui->signature->setText(text);
}

QString ProductsDialog::user() const
{
    return m_session->signedIn() ? m_session->userName() : Journal::systemUserName();
}

bool ProductsDialog::permitted()
{
    const QString refusal = m_session->refusal(Permission::EditProducts);
    if (refusal.isEmpty())
        return true;
    say(refusal, true);
    Prompts::warning(this, windowTitle(), refusal);
    return false;
}

void ProductsDialog::say(const QString &text, bool problem)
{
    ui->message->setStyleSheet(problem ? QStringLiteral("color: rgb(180, 0, 0);") : QString());
    ui->message->setText(text);
}

bool ProductsDialog::save()
{
    if (!permitted())
        return false;
    Product p = m_current;
    p.code = ui->code->text().trimmed();
    p.gtin = ui->gtin->text().trimmed();
    p.name = ui->name->text().trimmed();
    p.templateName = ui->templateName->currentText();
    p.packagingScan = ui->packagingScan->isChecked();
    p.coders = splitCoders(ui->coders->text());
    QString error;
    if (!ShelfLifeRule::parse(ui->shelfLife->text(), &p.shelfLife, &error) ||
        !JobField::listFromJson(ui->fields->toPlainText().trimmed().isEmpty()
                                    ? QStringLiteral("[]")
                                    : ui->fields->toPlainText(),
                                &p.fields, &error)) {
        say(tr("%1 is not saved: %2").arg(p.code, error), true);
        Prompts::warning(this, windowTitle(), ui->message->text());
        return false;
    }
    const CatalogueStatus status =
        p.id == 0 ? m_catalogue->addProduct(&p, user()) : m_catalogue->updateProduct(&p, user());
    if (!status.ok()) {
        say(tr("%1 is not saved: %2").arg(p.code, status.reason), true);
        Prompts::warning(this, windowTitle(), ui->message->text());
        return false;
    }
    say(tr("%1 saved.").arg(p.code));
    showPage();
    showProduct(p);
    return true;
}

void ProductsDialog::signTemplate()
{
    const QString path = templatePath();
    if (path.isEmpty() || !permitted())
        return;
    QString error;
    const QString sha = TemplateSigning::fileSha256(path, &error);
    if (sha.isEmpty()) {
        say(error, true);
        return;
    }
    SignatureDialog dialog(QFileInfo(path).fileName(), sha, m_session->usersOn(), this);
    if (m_session->signedIn())
        dialog.setSigner(m_session->userName(), QString());
    if (Prompts::exec(&dialog) != QDialog::Accepted)
        return;
    const TemplateSigning::Outcome out =
        TemplateSigning::sign(*m_catalogue, *m_session, m_journal, path, dialog.signerName(),
                              dialog.password(), dialog.meaning());
    showSignature();
    if (!out.ok) {
        say(out.error, true);
        Prompts::warning(this, tr("Approve a template"), out.error);
        return;
    }
    say(out.warning.isEmpty() ? tr("%1 approved.").arg(out.approval.templateName) : out.warning,
        !out.warning.isEmpty());
}

void ProductsDialog::importCsv()
{
    if (!permitted())
        return;
    const QString path =
        Prompts::fileToOpen(this, tr("Import products"), QString(), tr(kCsvFilter));
    if (path.isEmpty())
        return;
    const ProductCsv::Report report = ProductCsv::importFile(*m_catalogue, path, user());
    if (!report.status.ok()) {
        say(tr("Nothing imported: %1").arg(report.status.reason), true);
        Prompts::warning(this, tr("Import products"), ui->message->text());
        return;
    }
    QStringList lines{
        tr("%1 products imported, %2 rows refused.").arg(report.imported).arg(report.refusedCount)};
    for (const ProductCsv::Refusal &r : report.refused)
        lines << tr("line %1 (%2): %3").arg(r.line).arg(r.code, r.reason);
    if (report.refusedCount > report.refused.size())
        lines << tr("and %1 more").arg(report.refusedCount - report.refused.size());
    if (!report.ignoredColumns.isEmpty())
        lines << tr("Columns ignored: %1").arg(report.ignoredColumns.join(QStringLiteral(", ")));
    say(lines.first(), report.refusedCount > 0);
    Prompts::current().notify(report.refusedCount > 0 ? Prompts::Kind::Warning
                                                      : Prompts::Kind::Information,
                              this, tr("Import products"), lines.join(QLatin1Char('\n')));
    showPage();
}

void ProductsDialog::exportCsv()
{
    const QString path =
        Prompts::fileToSave(this, tr("Export products"), QStringLiteral("products.csv"),
                            tr(kCsvFilter), QStringLiteral("csv"));
    if (path.isEmpty())
        return;
    const CatalogueStatus status = ProductCsv::exportFile(*m_catalogue, path);
    if (!status.ok()) {
        say(tr("Not exported: %1").arg(status.reason), true);
        Prompts::warning(this, tr("Export products"), ui->message->text());
        return;
    }
    say(tr("Products exported to %1.").arg(QDir::toNativeSeparators(path)));
}

void ProductsDialog::openBatchRecords()
{
    BatchRecordsDialog dialog(m_catalogue, m_jobFolder, this);
    Prompts::exec(&dialog);
}
