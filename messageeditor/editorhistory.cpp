// SPDX-License-Identifier: GPL-3.0-or-later
#include "editorhistory.h"

#include "diagramimageitem.h"
#include "diagramscene.h"
#include "editoritemtypes.h"
#include "messagewriter.h"

#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QLineEdit>
#include <QSpinBox>
#include <QUndoStack>

namespace {

class documentStep : public QUndoCommand
{
public:
    documentStep(const editorHistory::restorer &restore, const QJsonObject &before,
                 const QJsonObject &after, const QString &what, const QString &field)
        : m_restore(restore), m_before(before), m_after(after), m_field(field)
    {
        setText(what);
    }
    void undo() override { m_restore(m_before); }
    void redo() override
    {
        // Pushed after the fact: the message already is the document after.
        if (m_done) {
            m_done = false;
            return;
        }
        m_restore(m_after);
    }
    int id() const override { return 1; }
    bool mergeWith(const QUndoCommand *other) override
    {
        const auto *next = static_cast<const documentStep *>(other);
        if (m_field.isEmpty() || next->m_field != m_field)
            return false;
        m_after = next->m_after;
        setObsolete(m_after == m_before);
        return true;
    }

private:
    const editorHistory::restorer &m_restore;
    QJsonObject m_before;
    QJsonObject m_after;
    QString m_field;
    bool m_done = true;
};

} // namespace

editorHistory::editorHistory(diagramScene *scene, restorer restore, QObject *parent)
    : QObject(parent), m_scene(scene), m_restore(std::move(restore)), m_stack(new QUndoStack(this))
{
    connect(m_stack, &QUndoStack::indexChanged, this, &editorHistory::stepped);
    m_current = document();
}

editorHistory::~editorHistory()
{
    // The window that follows the stack may be half destroyed by now: the
    // steps go without telling anyone.
    m_stack->blockSignals(true);
    m_stack->clear();
}

QJsonObject editorHistory::document()
{
    for (QGraphicsItem *item : m_scene->items()) {
        if (item->type() != diagramType::kImage)
            continue;
        const QString path = static_cast<diagramImageItem *>(item)->path();
        const QString stored = QStringLiteral("/udisk/bmp/") + path.section(QLatin1Char('/'), -1);
        if (!path.isEmpty() && path != stored)
            m_pictures.insert(stored, path);
    }
    return messageWriter::document(*m_scene);
}

void editorHistory::reset()
{
    m_stack->clear();
    m_current = document();
}

void editorHistory::done(const QString &what, const QString &field)
{
    const QJsonObject now = document();
    if (now == m_current)
        return;
    m_pushing = true;
    m_stack->push(new documentStep(m_restore, m_current, now, what, field));
    m_pushing = false;
    m_current = now;
}

void editorHistory::stepped()
{
    if (!m_pushing)
        m_current = document();
}

void editorHistory::watch(QWidget *panels, const QString &what)
{
    // Connected after the panels' own connections, which have changed the
    // item by the time these run.
    for (QWidget *control : panels->findChildren<QWidget *>()) {
        const QString field = control->objectName();
        const auto changed = [this, what, field] { done(what, field); };
        if (auto *line = qobject_cast<QLineEdit *>(control)) {
            if (!qobject_cast<QAbstractSpinBox *>(control->parentWidget()))
                connect(line, &QLineEdit::textChanged, this, changed);
        } else if (auto *spin = qobject_cast<QSpinBox *>(control)) {
            connect(spin, QOverload<int>::of(&QSpinBox::valueChanged), this, changed);
        } else if (auto *real = qobject_cast<QDoubleSpinBox *>(control)) {
            connect(real, QOverload<double>::of(&QDoubleSpinBox::valueChanged), this, changed);
        } else if (auto *combo = qobject_cast<QComboBox *>(control)) {
            connect(combo, QOverload<int>::of(&QComboBox::currentIndexChanged), this, changed);
        } else if (auto *button = qobject_cast<QAbstractButton *>(control)) {
            connect(button, &QAbstractButton::clicked, this, changed);
            connect(button, &QAbstractButton::toggled, this, changed);
        }
    }
}
