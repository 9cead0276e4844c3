// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

class QLabel;
class QLineEdit;

// Asks for a user name and a password.  The caller checks them and, when
// they are refused, shows why with setMessage() and asks again.
class SignInDialog : public QDialog
{
    Q_OBJECT
public:
    explicit SignInDialog(QWidget *parent = nullptr);

    QString name() const;
    QString password() const;
    void setName(const QString &name);
    void setPassword(const QString &password);
    // Why the last try was refused; empty: none.
    void setMessage(const QString &text);
    QString message() const;

private:
    QLineEdit *m_name;
    QLineEdit *m_password;
    QLabel *m_message;
};
