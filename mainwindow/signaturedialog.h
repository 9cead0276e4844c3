// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

#include <memory>

namespace Ui {
class SignatureDialog;
}

// Asks for the signer's name, password and the meaning of an approval.
// With users off only the meaning is asked: nobody's identity is checked.
class SignatureDialog : public QDialog
{
    Q_OBJECT
public:
    SignatureDialog(const QString &templateName, const QString &sha256, bool usersOn,
                    QWidget *parent = nullptr);
    ~SignatureDialog() override;

    QString signerName() const;
    QString password() const;
    QString meaning() const;
    void setSigner(const QString &name, const QString &password);
    void setMeaning(const QString &meaning);

private:
    std::unique_ptr<Ui::SignatureDialog> ui;
};
