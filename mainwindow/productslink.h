// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

class JobService;
class KorvexMainWindow;
class QLabel;

// The products in the control window: a "Products" link in the status bar
// opens the products view (Supervisor and up while users are on), and every
// save of the designer in the messages folder is recorded in the catalogue
// under the user who made it, so that its author cannot sign that version.
class ProductsLink : public QObject
{
    Q_OBJECT
public:
    ProductsLink(KorvexMainWindow *window, JobService *jobs);
    ~ProductsLink() override;

    QLabel *link() const { return m_link; }
    void open();

private:
    void designerSaved(const QString &path);

    KorvexMainWindow *m_window;
    JobService *m_jobs;
    QLabel *m_link;
};
