// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "editorprompts.h"
#include "qrcodedynamicstyledialog.h"

// A test's replacement for some of the editor's prompts, in use for the
// lifetime of the object.  What it does not answer itself goes to the
// prompts that were in use before it, so a box recorder and a file-dialog
// stub can stand together.  Layers end in the reverse order of their
// start, as scoped objects do.
class promptsLayer : public editorPrompts
{
public:
    promptsLayer() : m_below(&current()), m_replaced(install(this)) {}
    ~promptsLayer() override { install(m_replaced); }
    promptsLayer(const promptsLayer &) = delete;
    promptsLayer &operator=(const promptsLayer &) = delete;

    void warning(const QString &title, const QString &text, const QString &button) override
    {
        m_below->warning(title, text, button);
    }
    void information(const QString &title, const QString &text) override
    {
        m_below->information(title, text);
    }
    int question(const QString &title, const QString &text, const QStringList &answers) override
    {
        return m_below->question(title, text, answers);
    }
    QString chooseFile(QWidget *parent, const QString &title, const QString &folder,
                       const QString &filter) override
    {
        return m_below->chooseFile(parent, title, folder, filter);
    }
    QString chooseSaveName(QWidget *parent, const QString &caption, const QString &folder,
                           const QString &filter) override
    {
        return m_below->chooseSaveName(parent, caption, folder, filter);
    }
    std::optional<QString> chooseTimeFormat(QWidget *parent, const QString &initial) override
    {
        return m_below->chooseTimeFormat(parent, initial);
    }
    std::optional<qrDynamicContent> composeDynamicQr(QWidget *parent) override
    {
        return m_below->composeDynamicQr(parent);
    }
    bool openUrl(const QUrl &url) override { return m_below->openUrl(url); }

private:
    editorPrompts *const m_below;
    editorPrompts *const m_replaced;
};

// Answers the editor's own dialogs from scripts; a dialog without a script
// goes below.
class dialogScript : public promptsLayer
{
public:
    std::function<std::optional<QString>(const QString &initial)> timeFormat;
    std::function<std::optional<qrDynamicContent>()> dynamicQr;

    std::optional<QString> chooseTimeFormat(QWidget *parent, const QString &initial) override
    {
        return timeFormat ? timeFormat(initial) : promptsLayer::chooseTimeFormat(parent, initial);
    }
    std::optional<qrDynamicContent> composeDynamicQr(QWidget *parent) override
    {
        return dynamicQr ? dynamicQr() : promptsLayer::composeDynamicQr(parent);
    }
};
