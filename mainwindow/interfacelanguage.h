// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLocale>
#include <QString>
#include <QStringList>

#include <memory>

class QTranslator;

// The window's interface language: "language" in the [window] section of
// korvex.conf, else the desktop's locale, else the source texts.  The names
// are those of the standalone editor's catalogues.
namespace InterfaceLanguage {

// ru, esp, pt, en, kr, ita, turkish, cn, arabic.
QStringList names();

// The catalogue's name for a locale ("ru" for ru_RU ...); empty when none fits.
QString forLocale(const QLocale &locale);

struct Choice
{
    QString name;    // a catalogue's name, or empty for the source texts
    QString problem; // why the configured name was not taken, for the event log
};
Choice choose(const QString &configured, const QLocale &system);

// ":/korvexcontrol/translate/NAME.qm"
QString cataloguePath(const QString &name);

// Loads and installs the catalogue and, for Arabic, lays the application out
// from right to left.  Null (nothing installed) for the source texts or when
// the catalogue cannot be loaded, which *problem then says.
std::unique_ptr<QTranslator> install(const QString &name, QString *problem);

} // namespace InterfaceLanguage
