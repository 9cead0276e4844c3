// SPDX-License-Identifier: GPL-3.0-or-later
#include "accesscontrol.h"

#include "eventlog.h"
#include "prompts.h"
#include "session.h"
#include "signindialog.h"
#include "usersdialog.h"
#include "userstore.h"

#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QStatusBar>

namespace {

// The window's controls each role governs, by object name.
struct Governed
{
    const char *name;
    Permission permission;
};
const Governed kGoverned[] = {
    {"startBtn", Permission::Start},
    {"StopBtn", Permission::Stop},
    {"syncBtn", Permission::Apply},
    {"syncPrintParameterBtn", Permission::Parameters},
    {"newFileBtn", Permission::EditMessages},
    {"editToolBtn", Permission::EditMessages}, // enabled by the window with a file chosen
    {"builtBtn", Permission::Port},
    {"portLineEdit", Permission::Port},
};

} // namespace

AccessControl::AccessControl(Session *session, EventLog *log, QMainWindow *window)
    : QObject(window), m_window(window), m_log(log), m_session(session),
      m_status(new QLabel(window))
{
    m_status->setObjectName(QStringLiteral("userStatus"));
    m_status->setTextFormat(Qt::RichText);
    // A long name is cut rather than widening the window's least width.
    m_status->setMinimumWidth(80);
    connect(m_status, &QLabel::linkActivated, this, [this](const QString &link) {
        if (link == QLatin1String("signin"))
            signIn();
        else if (link == QLatin1String("signout"))
            m_session->signOut(QStringLiteral("signed out"));
        else
            manageUsers();
    });
    window->statusBar()->addPermanentWidget(m_status);
    connect(m_session, &Session::changed, this, &AccessControl::refresh);
    m_idle.setSingleShot(true);
    connect(&m_idle, &QTimer::timeout, this, [this] {
        const QString who = m_session->userName();
        m_session->signOut(QStringLiteral("idle"));
        m_log->add(
            EventLog::Level::Info,
            tr("%1 was signed out: no input for %2 minutes.").arg(who).arg(store()->idleMinutes()));
    });
    qApp->installEventFilter(this);
    refresh();
}

AccessControl::~AccessControl() = default;

UserStore *AccessControl::store() const
{
    return m_session->store();
}

int AccessControl::run(QDialog *dialog)
{
    return Prompts::exec(dialog);
}

bool AccessControl::permits(Permission permission) const
{
    return m_session->refusal(permission).isEmpty();
}

void AccessControl::refresh()
{
    for (const Governed &g : kGoverned) {
        QWidget *widget = m_window->findChild<QWidget *>(QLatin1String(g.name));
        if (!widget)
            continue;
        // The form's own tool tip comes back when the role allows again.
        if (!widget->property("formToolTip").isValid())
            widget->setProperty("formToolTip", widget->toolTip());
        const QString refused = m_session->refusal(g.permission);
        widget->setToolTip(refused.isEmpty() ? widget->property("formToolTip").toString()
                                             : refused);
        if (qstrcmp(g.name, "editToolBtn") != 0)
            widget->setEnabled(refused.isEmpty());
    }
    QString text;
    if (!m_session->usersOn())
        text = tr("<a href=\"users\">Users</a>");
    else if (store()->damaged())
        text = tr("Nobody can sign in: see the event log");
    else if (!m_session->signedIn())
        text = tr("Nobody signed in · <a href=\"signin\">Sign in</a>");
    else
        text =
            tr("%1 (%2) · <a href=\"signout\">Sign out</a>")
                .arg(m_session->userName().toHtmlEscaped(), Roles::displayName(m_session->role())) +
            (permits(Permission::Users) ? tr(" · <a href=\"users\">Users</a>") : QString());
    m_status->setText(text);
    if (m_session->signedIn())
        m_idle.start(m_idleOverride > 0 ? m_idleOverride : store()->idleMinutes() * 60 * 1000);
    else
        m_idle.stop();
    emit changed();
}

bool AccessControl::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::KeyPress:
    case QEvent::MouseButtonPress:
    case QEvent::MouseMove:
    case QEvent::Wheel:
        if (m_idle.isActive())
            m_idle.start();
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

void AccessControl::signIn()
{
    SignInDialog dialog(m_window);
    while (run(&dialog) == QDialog::Accepted) {
        const UserStore::SignIn result = m_session->signIn(dialog.name(), dialog.password());
        if (result.ok)
            return;
        dialog.setMessage(result.error);
    }
}

void AccessControl::manageUsers()
{
    UsersDialog dialog(m_session, m_window);
    run(&dialog);
}
