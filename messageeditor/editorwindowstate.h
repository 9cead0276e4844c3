// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QMainWindow;

// The editor's window between runs: its size, place and tool bars, kept in
// a per-user settings store of the editor's own (not the control program's,
// and never "language.ini", which the editor only reads).
namespace editorWindowState {

// The store: QSettings(NativeFormat, UserScope, kOrganization, kApplication),
// on Linux "$XDG_CONFIG_HOME/Korvex/MessageEditor.conf".
constexpr char kOrganization[] = "Korvex";
constexpr char kApplication[] = "MessageEditor";

// Gives the window what the last run left; nothing when the store holds
// nothing usable.
void restore(QMainWindow *window);
// Keeps the window's size, place and tool bars for the next run.
void save(const QMainWindow *window);

} // namespace editorWindowState
