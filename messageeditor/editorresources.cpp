// SPDX-License-Identifier: GPL-3.0-or-later
#include "editorresources.h"

#include <QtGlobal>

// Q_INIT_RESOURCE must be used outside any namespace; the name is the base
// name of the generated .qrc (see messageeditor/CMakeLists.txt).
void initEditorResources()
{
    Q_INIT_RESOURCE(messageeditor_translations);
}
