// SPDX-License-Identifier: GPL-3.0-or-later
#include "signindialog.h"

#include "userstore.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

SignInDialog::SignInDialog(QWidget *parent)
    : QDialog(parent), m_name(new QLineEdit(this)), m_password(new QLineEdit(this)),
      m_message(new QLabel(this))
{
    setObjectName(QStringLiteral("signInDialog"));
    setWindowTitle(tr("Sign in"));
    m_name->setObjectName(QStringLiteral("signInName"));
    m_name->setMaxLength(UserStore::kMaxNameChars);
    m_password->setObjectName(QStringLiteral("signInPassword"));
    m_password->setEchoMode(QLineEdit::Password);
    m_message->setObjectName(QStringLiteral("signInMessage"));
    m_message->setWordWrap(true);
    m_message->setStyleSheet(QStringLiteral("color: rgb(180, 0, 0);"));
    m_message->hide();
    auto *form = new QFormLayout;
    form->addRow(tr("User"), m_name);
    form->addRow(tr("Password"), m_password);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setText(tr("Sign in"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(tr("Users are on: sign in to work with the coders."), this));
    layout->addLayout(form);
    layout->addWidget(m_message);
    layout->addWidget(buttons);
    setMinimumWidth(360);
}

QString SignInDialog::name() const
{
    return m_name->text();
}

QString SignInDialog::password() const
{
    return m_password->text();
}

void SignInDialog::setName(const QString &name)
{
    m_name->setText(name);
}

void SignInDialog::setPassword(const QString &password)
{
    m_password->setText(password);
}

void SignInDialog::setMessage(const QString &text)
{
    m_message->setText(text);
    m_message->setVisible(!text.isEmpty());
    m_password->clear();
    (m_name->text().isEmpty() ? m_name : m_password)->setFocus();
}

QString SignInDialog::message() const
{
    return m_message->text();
}
