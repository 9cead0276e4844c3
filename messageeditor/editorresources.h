// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Registers the resources compiled into the messageeditor library: the nine
// interface catalogues under ":/translate/" and the icon font
// ":fontawesome-webfont.ttf".  A static library's resources
// are only linked in when someone names them, so the program and every test
// that loads a catalogue calls this once before looking anything up.
// Calling it again does no harm.
void initEditorResources();
