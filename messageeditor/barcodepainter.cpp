// SPDX-License-Identifier: GPL-3.0-or-later
#include "barcodepainter.h"

#include "diagrambaritem.h"
#include "eanpainter.h"
#include "editorprompts.h"
#include "linearcodepainter.h"
#include "refusedbarcodes.h"

#include <QCoreApplication>

#include <climits>

namespace barcodePainter {

Symbol paint(int symbology, const QString &content, int module, int barHeight, bool showText)
{
    // Picture sizes are computed in int from these three; beyond the limits
    // they would wrap to small sizes and the drawing would run off the image.
    // A negative size draws nothing either, and a file may hold INT_MIN,
    // which the size arithmetic would overflow.
    if (module < 0 || barHeight < 0 || module > kMaxModule || barHeight > kMaxBarHeight ||
        content.size() > kMaxContentLength ||
        qint64(content.size() + 40) * 16 * qMax(module, 1) > qint64(INT_MAX) / 4)
        return {};
    switch (symbology) {
    case Ean13:
        return eanPainter::ean13(content, module, barHeight, showText);
    case Ean8:
        return eanPainter::ean8(content, module, barHeight, showText);
    case Code39:
        return linearCodePainter::code39(content, module, barHeight, showText);
    case Code93:
        return linearCodePainter::code93(content, module, barHeight, showText);
    case UpcA:
        return eanPainter::upcA(content, module, barHeight, showText);
    case UpcE:
        return eanPainter::upcE(content, module, barHeight, showText);
    case Code128:
        return linearCodePainter::code128(content, module, barHeight, showText);
    default:
        return {};
    }
}

QPixmap render(const diagramBarItem &item, const QString &content)
{
    const Symbol symbol =
        paint(item.symbology(), content, item.moduleWidth(), item.barHeight(), item.showText());
    if (symbol.error != NoError && !refusedBarcodes::note(item.symbology(), content, symbol.error))
        showError(symbol.error);
    return symbol.picture;
}

QString errorText(int code)
{
    switch (code) {
    case Ean13Error:
        return QCoreApplication::translate("QObject", "条码格式错误，本条码为13位阿拉伯数字！");
    case Ean8Error:
    case UpcEError:
        return QCoreApplication::translate("QObject", "条码格式错误，本条码为8位阿拉伯数字！");
    case Code39Error:
    case Code93Error:
        return QCoreApplication::translate(
            "QObject", "条码格式错误，本条码内容仅包含数字与大写字母及部分符号！");
    case UpcAError:
        return QCoreApplication::translate("QObject", "条码格式错误，本条码为12位阿拉伯数字！");
    case Code128Error:
        return QCoreApplication::translate(
            "QObject", "条码格式错误，本条码内容仅包含数字与英文字母及部分符号！");
    default:
        return QCoreApplication::translate("QObject", "条码格式错误！");
    }
}

void showError(int code)
{
    editorPrompts::warn(errorText(code));
}

} // namespace barcodePainter
