// SPDX-License-Identifier: GPL-3.0-or-later
#include "usernotifier.h"

#include <QMessageBox>

namespace {

class MessageBoxNotifier : public UserNotifier
{
public:
    void notify(Kind kind, QWidget *parent, const QString &title, const QString &text) override
    {
        if (kind == Kind::Warning)
            QMessageBox::warning(parent, title, text);
        else
            QMessageBox::information(parent, title, text);
    }

    Answer askSaveChanges(QWidget *parent, const QString &title, const QString &text) override
    {
        const QMessageBox::StandardButton button = QMessageBox::question(
            parent, title, text, QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel,
            QMessageBox::Save);
        if (button == QMessageBox::Save)
            return Answer::Save;
        if (button == QMessageBox::Discard)
            return Answer::Discard;
        return Answer::Cancel;
    }
};

MessageBoxNotifier defaultNotifier;
UserNotifier *installed = nullptr;

} // namespace

UserNotifier::~UserNotifier() = default;

UserNotifier::Answer UserNotifier::askSaveChanges(QWidget *, const QString &, const QString &)
{
    return Answer::Cancel;
}

UserNotifier &UserNotifier::current()
{
    return installed ? *installed : defaultNotifier;
}

void UserNotifier::install(UserNotifier *notifier)
{
    installed = notifier;
}
