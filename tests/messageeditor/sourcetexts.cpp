// SPDX-License-Identifier: GPL-3.0-or-later
#include "sourcetexts.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QXmlStreamReader>

QString sourceText::describe() const
{
    return QStringLiteral("%1: \"%2\"").arg(context, QString(source).replace('\n', "\\n"));
}

uint qHash(const sourceText &t, uint seed)
{
    return qHash(t.context, seed) ^ qHash(t.source, seed) ^ qHash(t.disambiguation, seed);
}

QList<catalogueEntry> readCatalogue(const QString &path)
{
    QList<catalogueEntry> entries;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return entries;
    QXmlStreamReader xml(&file);
    QString context;
    catalogueEntry entry;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        const auto name = xml.name();
        if (name == QLatin1String("name")) {
            context = xml.readElementText();
        } else if (name == QLatin1String("message")) {
            entry = catalogueEntry();
            entry.text.context = context;
        } else if (name == QLatin1String("source")) {
            entry.text.source = xml.readElementText();
        } else if (name == QLatin1String("comment")) {
            entry.text.disambiguation = xml.readElementText();
        } else if (name == QLatin1String("translation")) {
            entry.type = xml.attributes().value("type").toString();
            entry.translation = xml.readElementText();
            entries << entry;
        }
    }
    if (xml.hasError())
        qWarning("%s: %s", qPrintable(path), qPrintable(xml.errorString()));
    return entries;
}

// The texts a Designer form shows, under the form's class name; uic passes
// every <string> without notr="true" through translate().
static void scanForm(const QString &path, QSet<sourceText> &found)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return;
    QXmlStreamReader xml(&file);
    QString context;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == QLatin1String("class") && context.isEmpty()) {
            context = xml.readElementText();
        } else if (xml.name() == QLatin1String("string")) {
            const QXmlStreamAttributes attributes = xml.attributes();
            const bool notr = attributes.value("notr") == QLatin1String("true");
            const QString comment = attributes.value("comment").toString();
            const QString text = xml.readElementText();
            if (!notr && !text.isEmpty())
                found.insert({context, text, comment});
        }
    }
}

// The text of one or more adjacent C++ string literals.
static QString literalText(const QString &literals)
{
    static const QRegularExpression literal(QStringLiteral(R"re("((?:[^"\\]|\\.)*)")re"));
    static const QRegularExpression escape(QStringLiteral(R"re(\\(.))re"));
    QString text;
    for (auto it = literal.globalMatch(literals); it.hasNext();) {
        const QString body = it.next().captured(1);
        int from = 0;
        for (auto e = escape.globalMatch(body); e.hasNext();) {
            const auto m = e.next();
            text += body.mid(from, m.capturedStart() - from);
            const QChar c = m.captured(1).at(0);
            text += c == 'n' ? QChar('\n') : c == 't' ? QChar('\t') : c;
            from = m.capturedEnd();
        }
        text += body.mid(from);
    }
    return text;
}

// The class whose member function encloses position pos: the last
// definition head "Class::function(" starting a line before it.
static QString enclosingClass(const QString &code, int pos, bool header)
{
    static const QRegularExpression head(
        QStringLiteral(R"re(^(?=[^\s#/]).*?\b(\w+)::~?\w+\s*\()re"),
        QRegularExpression::MultilineOption);
    static const QRegularExpression declaration(QStringLiteral(R"re(\bclass\s+(\w+)\b[^;]*?\{)re"));
    QString cls;
    for (auto it = (header ? declaration : head).globalMatch(code.left(pos)); it.hasNext();)
        cls = it.next().captured(1);
    return cls;
}

static void scanCode(const QString &path, QSet<sourceText> &found)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return;
    const QString code = QString::fromUtf8(file.readAll());
    const bool header = path.endsWith(QLatin1String(".h"));
    const QString lit = QStringLiteral(R"re("(?:[^"\\]|\\.)*")re");
    const QString lits = QStringLiteral(R"re((?:%1\s*)+)re").arg(lit);
    // translate("Context", "text" [, "disambiguation"]) and QT_TRANSLATE_NOOP.
    const QRegularExpression translate(
        QStringLiteral(
            R"re(\b(?:translate|QT_TRANSLATE_NOOP3?)\(\s*(%1)\s*,\s*(%2)(?:,\s*(%1))?)re")
            .arg(lit, lits));
    // [Class::]tr("text" [, "disambiguation"]) and QT_TR_NOOP.
    const QRegularExpression tr(
        QStringLiteral(R"re((?:\b(\w+)::)?\b(?:tr|QT_TR_NOOP)\(\s*(%2)(?:,\s*(%1))?)re")
            .arg(lit, lits));
    for (auto it = translate.globalMatch(code); it.hasNext();) {
        const auto m = it.next();
        found.insert(
            {literalText(m.captured(1)), literalText(m.captured(2)), literalText(m.captured(3))});
    }
    for (auto it = tr.globalMatch(code); it.hasNext();) {
        const auto m = it.next();
        QString context = m.captured(1);
        if (context.isEmpty())
            context = enclosingClass(code, m.capturedStart(), header);
        found.insert({context, literalText(m.captured(2)), literalText(m.captured(3))});
    }
}

QSet<sourceText> shownTexts(const QString &folder)
{
    QSet<sourceText> found;
    const QDir dir(folder);
    for (const QString &name : dir.entryList({"*.ui"}, QDir::Files))
        scanForm(dir.filePath(name), found);
    for (const QString &name : dir.entryList({"*.cpp", "*.h"}, QDir::Files))
        scanCode(dir.filePath(name), found);
    return found;
}
