// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QMenu>

#include <functional>

class QToolButton;
class TemplateSamples;

// The "Insert field" menu of the text and barcode panels: the standard
// placeholders and the fields of the products the message is the template
// of, by label and name; choosing one inserts "{{name}}".
class FieldMenu : public QMenu
{
    Q_OBJECT
public:
    // Gives the button the menu; insert receives the placeholder chosen.
    FieldMenu(QToolButton *button, std::function<void(const QString &)> insert);

    void setSamples(const TemplateSamples &samples);

private:
    std::function<void(const QString &)> m_insert;
};
