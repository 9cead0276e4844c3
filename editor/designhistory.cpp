// SPDX-License-Identifier: GPL-3.0-or-later
#include "designhistory.h"

#include "graphicsscene.h"
#include "itempanel.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QDateTimeEdit>
#include <QDoubleSpinBox>
#include <QHash>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSpinBox>
#include <QTextEdit>
#include <QUndoStack>

DesignHistory::DesignHistory(GraphicsScene *scene, QObject *parent)
    : QObject(parent), m_scene(scene), m_stack(new QUndoStack(this))
{
    connect(m_stack, &QUndoStack::indexChanged, this, &DesignHistory::stepped);
    connect(scene, &GraphicsScene::itemsMoved, this,
            [this](const QList<QGraphicsItem *> &items, const QVector<QPointF> &from, bool nudge) {
                push(new DesignUndo::MoveItems(m_scene, items, from, nudge));
            });
}

DesignHistory::~DesignHistory()
{
    // Steps that hold items out of the scene delete them; nothing is to be
    // reported about it any more.
    disconnect(m_stack, nullptr, this, nullptr);
    m_stack->clear();
}

QString DesignHistory::fieldName(const QWidget *control)
{
    // Controls that edit one field share its name, so that typing and the
    // buttons that insert into the same field merge.
    static const QHash<QString, const char *> names = {
        {"textEdit", QT_TR_NOOP("content")},
        {"externDataCheckBox", QT_TR_NOOP("external data")},
        {"itemX", QT_TR_NOOP("x")},
        {"itemY", QT_TR_NOOP("y")},
        {"ItemRotation", QT_TR_NOOP("rotation")},
        {"fontComboBox", QT_TR_NOOP("font")},
        {"fontSizeSpinBox", QT_TR_NOOP("font size")},
        {"textSpaceSpinBox", QT_TR_NOOP("letter spacing")},
        {"boldBtn", QT_TR_NOOP("bold")},
        {"ItalicBtn", QT_TR_NOOP("italic")},
        {"underLineBtn", QT_TR_NOOP("underline")},
        {"timeTypeLineEdit", QT_TR_NOOP("format")},
        {"bestBeforeCheckBox", QT_TR_NOOP("best before of the product")},
        {"yearBtn", QT_TR_NOOP("format")},
        {"monthBtn", QT_TR_NOOP("format")},
        {"daysBtn", QT_TR_NOOP("format")},
        {"hoursBtn", QT_TR_NOOP("format")},
        {"minuteBtn", QT_TR_NOOP("format")},
        {"secondBtn", QT_TR_NOOP("format")},
        {"slashBtn", QT_TR_NOOP("format")},
        {"minusBtn", QT_TR_NOOP("format")},
        {"colonBtn", QT_TR_NOOP("format")},
        {"clearBtn", QT_TR_NOOP("format")},
        {"vaildDaysSpinBox", QT_TR_NOOP("valid days")},
        {"counterIDcomboBox", QT_TR_NOOP("counter")},
        {"base10Btn", QT_TR_NOOP("base")},
        {"base16Btn", QT_TR_NOOP("base")},
        {"base34Btn", QT_TR_NOOP("base")},
        {"digitsSpinBox", QT_TR_NOOP("digits")},
        {"preCharLineEdit", QT_TR_NOOP("fill character")},
        {"contentLineEdit", QT_TR_NOOP("content")},
        {"typeComboBox", QT_TR_NOOP("symbology")},
        {"heightSpinBox", QT_TR_NOOP("height")},
        {"ScaleSpinBox", QT_TR_NOOP("scale")},
        {"hideTextCheckBox", QT_TR_NOOP("text line")},
        {"qrcodeSizecomboBox", QT_TR_NOOP("size")},
        {"standardBtn", QT_TR_NOOP("data mode")},
        {"GS1Btn", QT_TR_NOOP("data mode")},
        {"selectImageToolButton", QT_TR_NOOP("picture")},
        {"imageWidthSpinBox", QT_TR_NOOP("size")},
        {"imageHeightSpinBox", QT_TR_NOOP("size")},
        {"addToolButton", QT_TR_NOOP("shift table")},
        {"deleteToolButton", QT_TR_NOOP("shift table")},
        {"lineEdit", QT_TR_NOOP("shift table")},
        {"timeEdit", QT_TR_NOOP("shift table")},
    };
    const char *name = names.value(control->objectName(), QT_TR_NOOP("properties"));
    return tr(name);
}

void DesignHistory::watch(ItemPanel *panel)
{
    // Connected after the panel's own slots, which have written into the
    // item by the time these run.
    for (QWidget *control : panel->findChildren<QWidget *>()) {
        const auto changed = [this, control] { controlChanged(control); };
        if (auto *line = qobject_cast<QLineEdit *>(control)) {
            // A spin box's own line edit reports through the spin box.
            if (!qobject_cast<QAbstractSpinBox *>(control->parentWidget()))
                connect(line, &QLineEdit::textChanged, this, changed);
        } else if (auto *text = qobject_cast<QTextEdit *>(control)) {
            connect(text, &QTextEdit::textChanged, this, changed);
        } else if (auto *plain = qobject_cast<QPlainTextEdit *>(control)) {
            connect(plain, &QPlainTextEdit::textChanged, this, changed);
        } else if (auto *spin = qobject_cast<QSpinBox *>(control)) {
            connect(spin, QOverload<int>::of(&QSpinBox::valueChanged), this, changed);
        } else if (auto *real = qobject_cast<QDoubleSpinBox *>(control)) {
            connect(real, QOverload<double>::of(&QDoubleSpinBox::valueChanged), this, changed);
        } else if (auto *time = qobject_cast<QDateTimeEdit *>(control)) {
            connect(time, &QDateTimeEdit::dateTimeChanged, this, changed);
        } else if (auto *combo = qobject_cast<QComboBox *>(control)) {
            connect(combo, QOverload<int>::of(&QComboBox::currentIndexChanged), this, changed);
        } else if (auto *button = qobject_cast<QAbstractButton *>(control)) {
            connect(button, &QAbstractButton::clicked, this, changed);
            connect(button, &QAbstractButton::toggled, this, changed);
        }
    }
}

void DesignHistory::showing(QGraphicsItem *item)
{
    ++m_session;
    m_item = item;
    if (item)
        m_before = DesignUndo::capture(item, *m_scene);
}

void DesignHistory::controlChanged(QWidget *control)
{
    ItemPanel *panel = nullptr;
    for (QWidget *w = control; w && !panel; w = w->parentWidget())
        panel = qobject_cast<ItemPanel *>(w);
    QGraphicsItem *item = panel ? panel->item() : nullptr;
    if (!item)
        return;
    if (item != m_item) {
        // A panel filled before the selection was reported: nothing to
        // compare with yet.
        showing(item);
        return;
    }
    const DesignUndo::ItemState now = DesignUndo::capture(item, *m_scene);
    if (now == m_before)
        return;
    push(new DesignUndo::ChangeItem(m_scene, item, fieldName(control), m_session, m_before, now));
}

void DesignHistory::added(const QList<QGraphicsItem *> &items)
{
    if (!items.isEmpty())
        push(new DesignUndo::AddItems(m_scene, items));
}

void DesignHistory::remove(const QList<QGraphicsItem *> &items)
{
    if (items.isEmpty())
        return;
    push(new DesignUndo::RemoveItems(m_scene, items));
    m_scene->externData().dumpToLog();
}

void DesignHistory::push(QUndoCommand *command)
{
    m_pushing = true;
    m_stack->push(command);
    m_pushing = false;
    // A merge that cancelled out leaves the index where it was.
    if (m_item && m_item->scene() == m_scene)
        m_before = DesignUndo::capture(m_item, *m_scene);
}

void DesignHistory::stepped(int index)
{
    const int from = m_index;
    m_index = index;
    if (m_pushing)
        return;
    if (m_item && m_item->scene() == m_scene)
        m_before = DesignUndo::capture(m_item, *m_scene);
    // Undone typing does not merge with what is typed next.
    ++m_session;
    // A move refreshes the position fields itself; the panels of a large
    // selection need not be filled again for it.
    const QUndoCommand *step = m_stack->command(index < from ? index : index - 1);
    if (qAbs(index - from) == 1 && dynamic_cast<const DesignUndo::MoveItems *>(step))
        return;
    emit itemsRestored();
}
