// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "roles.h"

#include <QObject>
#include <QTimer>

#include <functional>

class EventLog;
class QDialog;
class QLabel;
class QMainWindow;
class Session;
class UserStore;

// Users and roles in the control window, on the station's session: shows
// who is signed in in the status bar with links to sign in and out and to
// the users, disables the buttons the role may not use with a tool tip
// saying why, and signs out after the idle time.  The Fleet's commands are
// checked by the session itself; the buttons only show it.
class AccessControl : public QObject
{
    Q_OBJECT
public:
    AccessControl(Session *session, EventLog *log, QMainWindow *window);
    ~AccessControl() override;

    Session *session() const { return m_session; }
    UserStore *store() const;
    bool permits(Permission permission) const;

    void signIn();
    void manageUsers();
    // The idle time in milliseconds (tests); the users file's minutes else.
    void setIdleInterval(int ms) { m_idleOverride = ms; }

signals:
    // Who is signed in, or whether users are on, changed.
    void changed();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void refresh();
    static int run(QDialog *dialog);

    QMainWindow *m_window;
    EventLog *m_log;
    Session *m_session;
    QLabel *m_status;
    QTimer m_idle;
    int m_idleOverride = 0;
};
