// SPDX-License-Identifier: GPL-3.0-or-later
#include "editorstartup.h"

#include "editorprompts.h"
#include "editorresources.h"
#include "messageeditorlog.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QTextCodec>
#include <QTextStream>
#include <QTranslator>

namespace editorStartup {

void initResources()
{
    static bool done = false;
    if (!done) {
        initEditorResources();
        done = true;
    }
}

void useUtf8Codec()
{
    QTextCodec::setCodecForLocale(QTextCodec::codecForName("utf8"));
}

QString translationPath(const QString &languageFile)
{
    QFile file(languageFile);
    if (!file.exists()) {
        file.open(QIODevice::ReadOnly); // fails, and so names the reason
        editorPrompts::current().information(
            QStringLiteral("languageSettings"),
            QStringLiteral("%1 error:%2").arg(languageFile, file.errorString()));
        return QString::fromLatin1(kFallbackTranslation);
    }
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return QString();
    const QString line = QTextStream(&file).readLine();
    const int equals = line.indexOf(QLatin1Char('='));
    return equals < 0 ? QString() : line.mid(equals + 1);
}

namespace {

QString installedLanguage;

} // namespace

QString languageName()
{
    return installedLanguage;
}

std::unique_ptr<QTranslator> installTranslation(const QString &path)
{
    installedLanguage = QFileInfo(path).completeBaseName();
    auto translator = std::make_unique<QTranslator>();
    const bool loaded = translator->load(path);
    qCDebug(lcMessageEditor) << "translation" << path << (loaded ? "loaded" : "not loaded");
    QCoreApplication::installTranslator(translator.get());
    return translator;
}

std::unique_ptr<QTranslator> prepare()
{
    initResources();
    useUtf8Codec();
    return installTranslation(translationPath());
}

} // namespace editorStartup
