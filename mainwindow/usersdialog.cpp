// SPDX-License-Identifier: GPL-3.0-or-later
#include "usersdialog.h"

#include "session.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

UsersDialog::UsersDialog(Session *session, QWidget *parent)
    : QDialog(parent), m_session(session), m_state(new QLabel(this)), m_list(new QListWidget(this)),
      m_name(new QLineEdit(this)), m_role(new QComboBox(this)), m_password(new QLineEdit(this)),
      m_repeat(new QLineEdit(this)), m_on(new QPushButton(tr("Switch users on"), this)),
      m_set(new QPushButton(tr("Add or change"), this)),
      m_remove(new QPushButton(tr("Remove"), this)), m_idle(new QSpinBox(this)),
      m_idleSet(new QPushButton(tr("Set"), this)),
      m_off(new QPushButton(tr("Switch users off"), this)), m_message(new QLabel(this))
{
    setObjectName(QStringLiteral("usersDialog"));
    setWindowTitle(tr("Users"));
    const QList<QPair<QWidget *, const char *>> names{
        {m_list, "usersList"},         {m_name, "usersName"},        {m_role, "usersRole"},
        {m_password, "usersPassword"}, {m_repeat, "usersRepeat"},    {m_on, "usersOnBtn"},
        {m_set, "usersSetBtn"},        {m_remove, "usersRemoveBtn"}, {m_idle, "usersIdle"},
        {m_idleSet, "usersIdleBtn"},   {m_off, "usersOffBtn"},       {m_message, "usersMessage"}};
    for (const auto &named : names)
        named.first->setObjectName(QLatin1String(named.second));
    for (const Role role : {Role::Operator, Role::Supervisor, Role::Administrator})
        m_role->addItem(Roles::displayName(role), int(role));
    m_password->setEchoMode(QLineEdit::Password);
    m_repeat->setEchoMode(QLineEdit::Password);
    m_idle->setRange(1, 24 * 60);
    m_idle->setSuffix(tr(" min"));
    m_state->setWordWrap(true);
    m_message->setWordWrap(true);

    auto *form = new QFormLayout;
    form->addRow(tr("User"), m_name);
    form->addRow(tr("Role"), m_role);
    form->addRow(tr("Password"), m_password);
    form->addRow(tr("Repeat"), m_repeat);
    auto *userButtons = new QHBoxLayout;
    userButtons->addWidget(m_on);
    userButtons->addWidget(m_set);
    userButtons->addWidget(m_remove);
    auto *idle = new QHBoxLayout;
    idle->addWidget(new QLabel(tr("Sign out after"), this));
    idle->addWidget(m_idle);
    idle->addWidget(new QLabel(tr("without input"), this));
    idle->addWidget(m_idleSet);
    idle->addStretch();
    auto *close = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(close, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_state);
    layout->addWidget(m_list);
    layout->addLayout(form);
    layout->addLayout(userButtons);
    layout->addLayout(idle);
    layout->addWidget(m_off);
    layout->addWidget(m_message);
    layout->addWidget(close);

    connect(m_list, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row < 0 || row >= m_session->store()->users().size())
            return;
        const UserStore::User user = m_session->store()->users().at(row);
        m_name->setText(user.name);
        m_role->setCurrentIndex(m_role->findData(int(user.role)));
    });
    connect(m_on, &QPushButton::clicked, this, &UsersDialog::switchOn);
    connect(m_set, &QPushButton::clicked, this, &UsersDialog::setUser);
    connect(m_remove, &QPushButton::clicked, this, &UsersDialog::removeUser);
    connect(m_idleSet, &QPushButton::clicked, this, [this] {
        report(tr("Whoever is signed in is signed out after %1 minutes without input.")
                   .arg(m_idle->value()),
               m_session->setIdleMinutes(m_idle->value()).error);
    });
    connect(m_off, &QPushButton::clicked, this, [this] {
        report(tr("Users are off: everyone may do everything, as one operator."),
               m_session->switchOff().error);
    });
    refresh();
}

QString UsersDialog::message() const
{
    return m_message->text();
}

void UsersDialog::refresh()
{
    const bool on = m_session->usersOn();
    m_state->setText(on ? tr("Users are on. Operators start, stop and send messages; supervisors "
                             "also edit messages, print parameters and coder names; "
                             "administrators also the port, the users and the journal.")
                        : tr("Users are off: everyone may do everything. Switching them on "
                             "creates the first administrator, who is signed in at once."));
    m_list->clear();
    for (const UserStore::User &user : m_session->store()->users())
        m_list->addItem(QStringLiteral("%1 — %2").arg(user.name, Roles::displayName(user.role)));
    m_idle->setValue(m_session->store()->idleMinutes());
    for (QWidget *widget : {static_cast<QWidget *>(m_list), static_cast<QWidget *>(m_set),
                            static_cast<QWidget *>(m_remove), static_cast<QWidget *>(m_idle),
                            static_cast<QWidget *>(m_idleSet), static_cast<QWidget *>(m_off),
                            static_cast<QWidget *>(m_role)})
        widget->setVisible(on);
    m_on->setVisible(!on);
}

bool UsersDialog::passwordsAgree()
{
    if (m_password->text().isEmpty() || m_password->text() != m_repeat->text()) {
        report(QString(), tr("The two passwords differ or are empty."));
        return false;
    }
    return true;
}

void UsersDialog::report(const QString &done, const QString &error)
{
    m_message->setText(error.isEmpty() ? done : error);
    m_message->setStyleSheet(error.isEmpty() ? QString()
                                             : QStringLiteral("color: rgb(180, 0, 0);"));
    m_password->clear();
    m_repeat->clear();
    refresh();
}

void UsersDialog::switchOn()
{
    if (!passwordsAgree())
        return;
    report(tr("Users are on; %1 is signed in as administrator.").arg(m_name->text()),
           m_session->switchOn(m_name->text(), m_password->text()).error);
}

void UsersDialog::setUser()
{
    if (!passwordsAgree())
        return;
    report(
        tr("%1 is a %2.").arg(m_name->text(), m_role->currentText()),
        m_session->setUser(m_name->text(), Role(m_role->currentData().toInt()), m_password->text())
            .error);
}

void UsersDialog::removeUser()
{
    report(tr("%1 is removed.").arg(m_name->text()), m_session->removeUser(m_name->text()).error);
}
