// SPDX-License-Identifier: GPL-3.0-or-later
#include "editorresources.h"

#include <QtGlobal>

// Q_INIT_RESOURCE must be used outside any namespace; the names are the base
// names of the two .qrc files of messageeditor/CMakeLists.txt.
void initEditorResources()
{
    Q_INIT_RESOURCE(messageeditor_translations);
    Q_INIT_RESOURCE(messageeditor);
}
