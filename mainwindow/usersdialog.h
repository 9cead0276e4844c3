// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QSpinBox;
class Session;

// Users and roles for an administrator: with users off, switches them on by
// creating the first administrator; with users on, adds users, changes
// their roles and passwords, removes them, sets the idle time after which
// whoever is signed in is signed out, and switches users off.  Every change
// goes through the session, which journals it.
class UsersDialog : public QDialog
{
    Q_OBJECT
public:
    explicit UsersDialog(Session *session, QWidget *parent = nullptr);

    QString message() const;

private:
    void refresh();
    // The password fields agree and are not empty; else says why.
    bool passwordsAgree();
    void report(const QString &done, const QString &error);
    void switchOn();
    void setUser();
    void removeUser();

    Session *m_session;
    QLabel *m_state;
    QListWidget *m_list;
    QLineEdit *m_name;
    QComboBox *m_role;
    QLineEdit *m_password;
    QLineEdit *m_repeat;
    QPushButton *m_on;
    QPushButton *m_set;
    QPushButton *m_remove;
    QSpinBox *m_idle;
    QPushButton *m_idleSet;
    QPushButton *m_off;
    QLabel *m_message;
};
