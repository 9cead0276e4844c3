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
};

MessageBoxNotifier defaultNotifier;
UserNotifier *installed = nullptr;

} // namespace

UserNotifier::~UserNotifier() = default;

UserNotifier &UserNotifier::current()
{
    return installed ? *installed : defaultNotifier;
}

void UserNotifier::install(UserNotifier *notifier)
{
    installed = notifier;
}
