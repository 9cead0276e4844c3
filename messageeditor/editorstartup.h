// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <memory>

class QTranslator;

// What the editor does before its window opens: the locale codec, the
// interface language named by "language.ini", the compiled-in resources.
namespace editorStartup {

// Read from the working folder; the program never writes it.
constexpr char kLanguageFile[] = "language.ini";
// Used when the language file is missing.
constexpr char kFallbackTranslation[] = ":/translate/ru.qm";

// The icon font and the translations live in this library's resources,
// which a static library has to register by hand.  Safe to call again.
void initResources();

// The locale codec becomes UTF-8.
void useUtf8Codec();

// The translation file named by the language file: everything after the
// first "=" of its first line.  A missing file shows the "languageSettings"
// box (through the editor's message-box seam) and gives the Russian
// translation; an unreadable file or a line without "=" gives an empty
// path, so the Chinese source texts stay.
QString translationPath(const QString &languageFile = QString::fromLatin1(kLanguageFile));

// Loads the translation and installs it on the application whether or not
// it loaded (an empty or unknown path leaves the source texts).
std::unique_ptr<QTranslator> installTranslation(const QString &path);

// The name of the catalogue installed last ("en" for ":/translate/en.qm"),
// which also names the manual's language; empty before any.
QString languageName();

// All of the above, in order; the returned translator must outlive the
// window.
std::unique_ptr<QTranslator> prepare();

} // namespace editorStartup
