// SPDX-License-Identifier: GPL-3.0-or-later
#include "refusedbarcodes.h"

#include "barcodepainter.h"
#include "editorprompts.h"

#include <QCoreApplication>

namespace {

refusedBarcodes *gathering = nullptr;

// The names of the barcode panel's list, which read the same in every
// language.
QString symbologyName(int symbology)
{
    static const char *const kNames[] = {"EAN13", "EAN8", "Code_39", "Code_93",
                                         "UPCA",  "UPCE", "Code_128"};
    if (symbology < 0 || symbology >= int(sizeof(kNames) / sizeof(kNames[0])))
        return QString::number(symbology);
    return QString::fromLatin1(kNames[symbology]);
}

} // namespace

refusedBarcodes::refusedBarcodes() : m_outer(gathering)
{
    gathering = this;
}

refusedBarcodes::~refusedBarcodes()
{
    gathering = m_outer;
}

bool refusedBarcodes::note(int symbology, const QString &content, int error)
{
    if (!gathering)
        return false;
    refusedBarcodes &list = *gathering;
    if (++list.m_count > kMaxListed)
        return true;
    QString shown = content.left(kMaxShownContent);
    if (content.size() > kMaxShownContent)
        shown += QChar(0x2026); // …
    list.m_lines << QStringLiteral("%1 \"%2\": %3")
                        .arg(symbologyName(symbology), shown, barcodePainter::errorText(error));
    return true;
}

void refusedBarcodes::report() const
{
    if (m_count == 0)
        return;
    QStringList text{QCoreApplication::translate("QObject", "内容无效的条码：%1").arg(m_count)};
    text += m_lines;
    if (m_count > m_lines.size())
        text
            << QCoreApplication::translate("QObject", "……另有 %1 个").arg(m_count - m_lines.size());
    editorPrompts::warn(text.join(QLatin1Char('\n')));
}
