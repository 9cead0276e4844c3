// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "prompts.h"

#include <QDialog>
#include <QList>

#include <functional>
#include <optional>

// A test's replacement for some of the control program's prompts, in use
// for the lifetime of the object.  What it does not answer itself goes to
// the prompts that were in use before it, so a recorder of boxes and a
// script of file dialogs can stand together.  Layers end in the reverse
// order of their start, as scoped objects do.
struct PromptsLayer : Prompts
{
    PromptsLayer() : below(&Prompts::current()), replaced(Prompts::install(this)) {}
    ~PromptsLayer() override { Prompts::install(replaced); }
    PromptsLayer(const PromptsLayer &) = delete;
    PromptsLayer &operator=(const PromptsLayer &) = delete;

    void notify(Kind kind, QWidget *parent, const QString &title, const QString &text) override
    {
        below->notify(kind, parent, title, text);
    }
    Answer askSaveChanges(QWidget *parent, const QString &title, const QString &text) override
    {
        return below->askSaveChanges(parent, title, text);
    }
    QString openFileName(QWidget *parent, const QString &caption, const QString &dir,
                         const QString &filter) override
    {
        return below->openFileName(parent, caption, dir, filter);
    }
    QString saveFileName(QWidget *parent, const QString &caption, const QString &dir,
                         const QString &filter, const QString &defaultSuffix) override
    {
        return below->saveFileName(parent, caption, dir, filter, defaultSuffix);
    }
    int run(QDialog *dialog) override { return below->run(dialog); }
    bool openUrl(const QUrl &url) override { return below->openUrl(url); }

private:
    Prompts *const below;
    Prompts *const replaced;
};

// Runs the modal dialogs of the classes it has a script for: the script
// fills in the dialog as an operator would and gives its result.  The
// newest script for a class wins; dialogs of other classes go below.
struct ScriptedDialogs : PromptsLayer
{
    template <class D> void answer(std::function<int(D *)> script)
    {
        scripts.prepend([script](QDialog *dialog) -> std::optional<int> {
            if (auto *d = dynamic_cast<D *>(dialog))
                return script(d);
            return std::nullopt;
        });
    }
    int run(QDialog *dialog) override
    {
        ++runs;
        for (const auto &script : scripts) {
            if (const std::optional<int> result = script(dialog))
                return *result;
        }
        return PromptsLayer::run(dialog);
    }

    int runs = 0;

private:
    QList<std::function<std::optional<int>(QDialog *)>> scripts;
};
