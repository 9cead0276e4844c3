// SPDX-License-Identifier: GPL-3.0-or-later
#include "editorresources.h"

#include <QtGlobal>

// Q_INIT_RESOURCE must be used outside any namespace.
static void registerEditorQrc()
{
    Q_INIT_RESOURCE(editor);
}

void initEditorResources()
{
    static const bool registered = (registerEditorQrc(), true);
    Q_UNUSED(registered);
}
