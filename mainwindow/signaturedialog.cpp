// SPDX-License-Identifier: GPL-3.0-or-later
#include "signaturedialog.h"

#include "templatesigning.h"
#include "ui_signaturedialog.h"
#include "userstore.h"

SignatureDialog::SignatureDialog(const QString &templateName, const QString &sha256, bool usersOn,
                                 QWidget *parent)
    : QDialog(parent), ui(std::make_unique<Ui::SignatureDialog>())
{
    ui->setupUi(this);
    setObjectName(QStringLiteral("signatureDialog"));
    ui->signerName->setMaxLength(UserStore::kMaxNameChars);
    ui->meaning->addItem(TemplateSigning::approvedForProduction());
    ui->what->setText(
        usersOn ? tr("You sign %1, SHA-256 %2: give your name and password again.")
                      .arg(templateName, sha256)
                : tr("Users are off: the approval of %1, SHA-256 %2, is recorded under the "
                     "system login and marked unsigned.")
                      .arg(templateName, sha256));
    const QList<QWidget *> identity{ui->signerName, ui->nameLabel, ui->password, ui->passwordLabel};
    for (QWidget *w : identity)
        w->setVisible(usersOn);
}

SignatureDialog::~SignatureDialog() = default;

QString SignatureDialog::signerName() const
{
    return ui->signerName->text();
}

QString SignatureDialog::password() const
{
    return ui->password->text();
}

QString SignatureDialog::meaning() const
{
    return ui->meaning->currentText();
}

void SignatureDialog::setSigner(const QString &name, const QString &password)
{
    ui->signerName->setText(name);
    ui->password->setText(password);
}

void SignatureDialog::setMeaning(const QString &meaning)
{
    ui->meaning->setCurrentText(meaning);
}
