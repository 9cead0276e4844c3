// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "product.h"

#include <QDialog>
#include <QList>

#include <memory>

class Catalogue;
class CommandJournal;
class Session;

namespace Ui {
class ProductsDialog;
}

// The products of the catalogue: a paged list with search, a form to edit
// one (its GTIN checked as it is typed, its template chosen from the
// messages folder with the signature of the version on disk beside it),
// approval of that template, import and export of CSV files, and the batch
// records.  Every question and file dialog goes through Prompts.
class ProductsDialog : public QDialog
{
    Q_OBJECT
public:
    static constexpr int kPageSize = 50;

    ProductsDialog(Catalogue *catalogue, Session *session, CommandJournal *journal,
                   const QString &messageFolder, const QString &jobFolder,
                   QWidget *parent = nullptr);
    ~ProductsDialog() override;

    // The product in the form, as it was read (id and revision) or new.
    const Product &current() const { return m_current; }
    QList<Product> page() const { return m_page; }
    int total() const { return m_total; }

    void search(const QString &text);
    // Shows the product of the list's row in the form.
    void choose(int row);
    void newProduct();
    // False with the reason said when the product is not stored.
    bool save();
    void signTemplate();
    void importCsv();
    void exportCsv();
    void openBatchRecords();

private:
    void showPage();
    void showProduct(const Product &product);
    void checkGtin();
    void showSignature();
    QString templatePath() const;
    // The user changes are made under: the signed-in one, or the system login.
    QString user() const;
    // False, and why said, when the session may not edit products now.
    bool permitted();
    void say(const QString &text, bool problem = false);

    std::unique_ptr<Ui::ProductsDialog> ui;
    Catalogue *m_catalogue;
    Session *m_session;
    CommandJournal *m_journal;
    QString m_messageFolder;
    QString m_jobFolder;
    Product m_current;
    QList<Product> m_page;
    QString m_search;
    int m_offset = 0;
    int m_total = 0;
};
