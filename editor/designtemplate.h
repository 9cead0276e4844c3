// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "templatefields.h"
#include "templatesamples.h"

#include <QObject>
#include <QString>

#include <functional>

class GraphicsScene;
class QLabel;
class QTimer;

// The designer's side of templates: which products the open message is the
// template of, the placeholders it may insert (the standard ones and those
// products' fields), the samples the pre-flight check fills them with, and
// the mark beside the message name that says whether the bytes a save
// would write now are approved for production.  The mark follows every
// change, a moment after the last one.  While the message is as it was
// loaded or saved, the mark is that of the file itself: a template written
// elsewhere need not be laid out byte for byte as the designer writes it.
class DesignTemplate : public QObject
{
    Q_OBJECT
public:
    DesignTemplate(GraphicsScene *scene, QLabel *mark, QObject *parent);

    // Not owned; null: no catalogue.
    void setFields(TemplateFields *fields);
    // The message's file; empty for a new message.
    void setFilePath(const QString &path);
    // Whether the message differs from its file; unset: always.
    void setModifiedTest(std::function<bool()> modified) { m_modified = std::move(modified); }

    const TemplateProducts &products() const { return m_products; }
    const TemplateSamples &samples() const { return m_samples; }
    // Recomputes the mark a moment from now; many calls make one.
    void changed();
    // Recomputes the mark now.
    void refreshMark();

signals:
    // The placeholders to offer have changed.
    void samplesChanged(const TemplateSamples &samples);

private:
    void lookUp();

    GraphicsScene *m_scene;
    QLabel *m_mark;
    QTimer *m_timer;
    TemplateFields *m_fields = nullptr;
    QString m_path;
    TemplateProducts m_products;
    TemplateSamples m_samples;
    std::function<bool()> m_modified;
};
