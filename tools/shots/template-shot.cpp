// SPDX-License-Identifier: GPL-3.0-or-later
// template-shot: the designer on a product's template, with the approval
// mark above it and the "Insert field" menu of the text panel open, taken
// from the screen (run under Xvfb; ImageMagick's import takes the picture).
//
//   xvfb-run -a -s "-screen 0 1280x800x24" template-shot TEMPLATE.spr PICTURE.png [approved]
#include "designtemplate.h"
#include "editwidget.h"
#include "graphicsscene.h"

#include <QApplication>
#include <QCryptographicHash>
#include <QFile>
#include <QFileInfo>
#include <QMenu>
#include <QProcess>
#include <QTabWidget>
#include <QTimer>
#include <QToolButton>

#include <cstdio>

namespace {

// The catalogue of the demonstration: the template of OJ-1L with a shift
// and a line, signed when asked to be.
class DemoFields : public TemplateFields
{
public:
    QByteArray approvedSha;
    TemplateProducts productsOf(const QString &) override
    {
        TemplateProducts p;
        p.codes << QStringLiteral("OJ-1L");
        TemplateField shift{QStringLiteral("shift"),
                            QStringLiteral("Shift"),
                            TemplateField::Kind::PickList,
                            {},
                            false,
                            0,
                            QStringList{QStringLiteral("A"), QStringLiteral("B")},
                            {}};
        TemplateField line{QStringLiteral("line"),
                           QStringLiteral("Line"),
                           TemplateField::Kind::Integer,
                           {},
                           true,
                           1,
                           {},
                           {}};
        p.fields << shift << line;
        return p;
    }
    Signature signatureOf(const QString &, const QByteArray &bytes) override
    {
        Signature s;
        if (QCryptographicHash::hash(bytes, QCryptographicHash::Sha256) == approvedSha) {
            s.state = Signature::State::Approved;
            s.meaning = QStringLiteral("Approved for production");
            s.signer = QStringLiteral("Olga Petrova");
            s.signedAt = QDateTime::currentDateTime();
        }
        return s;
    }
};

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 3) {
        std::fprintf(stderr, "usage: template-shot TEMPLATE.spr PICTURE.png [approved]\n");
        return 2;
    }
    DemoFields fields;
    auto *editor = new EditWidget(args.at(1), EditWidget::ModeExisting);
    if (args.size() > 3) {
        QFile file(args.at(1));
        if (file.open(QIODevice::ReadOnly))
            fields.approvedSha =
                QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha256);
    }
    editor->setTemplateFields(&fields);
    editor->resize(1200, 720);
    editor->move(20, 20);
    editor->show();
    // The second text (the lot line) selected, its panel's menu open.
    for (QGraphicsItem *item : editor->scene()->items(Qt::AscendingOrder)) {
        if (item->type() == ItemTypeCode::kText && !item->parentItem())
            editor->scene()->clearSelection(), item->setSelected(true);
    }
    const QString picture = args.at(2);
    QTimer::singleShot(500, editor, [editor] {
        // The item's own panel is on the side panel's second tab.
        if (auto *tabs = editor->findChild<QTabWidget *>(QStringLiteral("fileEditToolTab")))
            tabs->setCurrentIndex(1);
        for (QToolButton *button : editor->findChildren<QToolButton *>("insertFieldBtn")) {
            if (button->isVisible())
                button->menu()->popup(button->mapToGlobal(QPoint(0, button->height())));
        }
    });
    QTimer::singleShot(1500, editor, [picture] {
        const int code = QProcess::execute(QStringLiteral("import"), {"-window", "root", picture});
        QCoreApplication::exit(code == 0 ? 0 : 1);
    });
    return app.exec();
}
