// SPDX-License-Identifier: GPL-3.0-or-later
#include "fontawesome.h"

#include "editorstartup.h"
#include "messageeditorlog.h"

#include <QFontDatabase>
#include <QPainter>
#include <QPixmap>

namespace {

QString family()
{
    static const QString name = [] {
        editorStartup::initResources();
        const int id =
            QFontDatabase::addApplicationFont(QStringLiteral(":fontawesome-webfont.ttf"));
        const QStringList families = QFontDatabase::applicationFontFamilies(id);
        if (families.isEmpty()) {
            qCWarning(lcMessageEditor) << "the icon font is missing from the resources";
            return QStringLiteral("FontAwesome");
        }
        return families.first();
    }();
    return name;
}

} // namespace

namespace fontAwesome {

QFont font(int pointSize)
{
    QFont f(family());
    f.setPointSize(pointSize);
    return f;
}

QIcon icon(ushort glyph, int side, const QColor &colour)
{
    QPixmap picture(side, side);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::TextAntialiasing);
    QFont f(family());
    f.setPixelSize(side * 3 / 4);
    painter.setFont(f);
    painter.setPen(colour);
    painter.drawText(picture.rect(), Qt::AlignCenter, QString(QChar(glyph)));
    return QIcon(picture);
}

} // namespace fontAwesome
