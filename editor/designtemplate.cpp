// SPDX-License-Identifier: GPL-3.0-or-later
#include "designtemplate.h"

#include "clock.h"
#include "messagefile.h"

#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QTimer>

namespace {

// After the last change: a hash of the message and one catalogue look-up.
constexpr int kMarkDelayMs = 300;

} // namespace

DesignTemplate::DesignTemplate(GraphicsScene *scene, QLabel *mark, QObject *parent)
    : QObject(parent), m_scene(scene), m_mark(mark), m_timer(new QTimer(this))
{
    m_timer->setSingleShot(true);
    m_timer->setInterval(kMarkDelayMs);
    connect(m_timer, &QTimer::timeout, this, &DesignTemplate::refreshMark);
    m_mark->setObjectName(QStringLiteral("templateMark"));
    m_mark->setTextFormat(Qt::PlainText);
    m_mark->hide();
}

void DesignTemplate::setFields(TemplateFields *fields)
{
    m_fields = fields;
    lookUp();
}

void DesignTemplate::setFilePath(const QString &path)
{
    if (path == m_path)
        return;
    m_path = path;
    lookUp();
}

void DesignTemplate::lookUp()
{
    const QString name = QFileInfo(m_path).fileName();
    m_products = m_fields && !name.isEmpty() ? m_fields->productsOf(name) : TemplateProducts();
    m_samples = TemplateSamples(m_products, Clock::now().date());
    emit samplesChanged(m_samples);
    refreshMark();
}

void DesignTemplate::changed()
{
    if (m_products.isTemplate())
        m_timer->start();
}

void DesignTemplate::refreshMark()
{
    m_timer->stop();
    if (!m_fields || !m_products.isTemplate()) {
        m_mark->hide();
        return;
    }
    const QString name = QFileInfo(m_path).fileName();
    QByteArray bytes;
    QFile file(m_path);
    if (m_modified && !m_modified() && file.size() <= MessageFile::kMaxFileBytes &&
        file.open(QIODevice::ReadOnly))
        bytes = file.readAll();
    else
        bytes = MessageFile::toBytes(*m_scene);
    const TemplateFields::Signature s = m_fields->signatureOf(name, bytes);
    QString text;
    switch (s.state) {
    case TemplateFields::Signature::State::Approved: {
        const QString when = s.signedAt.toLocalTime().toString(QStringLiteral("yyyy-MM-dd HH:mm"));
        text = s.unsignedApproval
                   ? tr("%1: %2 by %3 (unsigned: users are off), %4")
                         .arg(name, s.meaning, s.signer, when)
                   : tr("%1: %2, signed by %3, %4").arg(name, s.meaning, s.signer, when);
        m_mark->setStyleSheet(QStringLiteral("color: #1b5e20; font-weight: bold;"));
        break;
    }
    case TemplateFields::Signature::State::NotApproved:
        text = tr("%1: not approved").arg(name);
        m_mark->setStyleSheet(QStringLiteral("color: #b71c1c; font-weight: bold;"));
        break;
    case TemplateFields::Signature::State::Unknown:
        text = tr("%1: approval unknown (%2)").arg(name, s.error);
        m_mark->setStyleSheet(QStringLiteral("color: #8d6e00; font-weight: bold;"));
        break;
    }
    m_mark->setText(text);
    m_mark->setToolTip(tr("The template of %1. The version a save writes must be signed before "
                          "a job may run it.")
                           .arg(m_products.codes.join(QStringLiteral(", "))));
    m_mark->show();
}
