// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "prompts.h"

#include <functional>

namespace Shots {

// Runs the window's modal dialogs through a script that draws them,
// instead of waiting for an operator, while it lives.
struct ScriptedPrompts : Prompts
{
    explicit ScriptedPrompts(std::function<int(QDialog *)> script)
        : script(std::move(script)), replaced(Prompts::install(this))
    {
    }
    ~ScriptedPrompts() override { Prompts::install(replaced); }
    int run(QDialog *dialog) override { return script(dialog); }

    std::function<int(QDialog *)> script;
    Prompts *replaced;
};

} // namespace Shots
