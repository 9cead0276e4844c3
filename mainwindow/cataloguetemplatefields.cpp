// SPDX-License-Identifier: GPL-3.0-or-later
#include "cataloguetemplatefields.h"

#include "catalogue.h"

#include <QCoreApplication>
#include <QCryptographicHash>

#include <algorithm>

TemplateField CatalogueTemplateFields::fieldOf(const JobField &field)
{
    TemplateField out;
    out.name = field.name;
    out.label = field.label;
    switch (field.kind) {
    case JobField::Kind::Text:
        out.kind = TemplateField::Kind::Text;
        break;
    case JobField::Kind::Integer:
        out.kind = TemplateField::Kind::Integer;
        break;
    case JobField::Kind::Date:
        out.kind = TemplateField::Kind::Date;
        break;
    case JobField::Kind::PickList:
        out.kind = TemplateField::Kind::PickList;
        break;
    }
    out.pattern = field.pattern;
    out.hasRange = field.hasRange;
    out.minimum = field.minimum;
    out.choices = field.choices;
    out.defaultValue = field.defaultValue;
    return out;
}

TemplateProducts CatalogueTemplateFields::productsOf(const QString &messageName)
{
    TemplateProducts out;
    if (!m_catalogue || !m_catalogue->isOpen())
        return out;
    // The catalogue is searched by code, GTIN and name: the template is
    // found page by page.
    QString after;
    for (;;) {
        QList<Product> page;
        if (!m_catalogue->productsAfter(after, Catalogue::kMaxPage, &page).ok() || page.isEmpty())
            break;
        for (const Product &p : page) {
            if (p.templateName != messageName)
                continue;
            if (out.codes.isEmpty())
                out.gtin = p.gtin;
            out.codes << p.code;
            for (const JobField &field : p.fields) {
                const bool known =
                    std::any_of(out.fields.cbegin(), out.fields.cend(),
                                [&](const TemplateField &f) { return f.name == field.name; });
                if (!known)
                    out.fields << fieldOf(field);
            }
        }
        after = page.last().code;
        if (page.size() < Catalogue::kMaxPage)
            break;
    }
    return out;
}

TemplateFields::Signature CatalogueTemplateFields::signatureOf(const QString &messageName,
                                                               const QByteArray &bytes)
{
    Signature s;
    if (!m_catalogue || !m_catalogue->isOpen()) {
        s.state = Signature::State::Unknown;
        s.error = QCoreApplication::translate("DesignTemplate", "the catalogue is not open");
        return s;
    }
    const QString sha =
        QString::fromLatin1(QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex());
    Approval a;
    const CatalogueStatus status = m_catalogue->approvalOf(messageName, sha, &a);
    if (status.kind == CatalogueStatus::Kind::NotFound)
        return s;
    if (!status.ok()) {
        s.state = Signature::State::Unknown;
        s.error = status.reason;
        return s;
    }
    s.state = Signature::State::Approved;
    s.meaning = a.meaning;
    s.signer = a.signerName;
    s.signedAt = a.signedAt;
    s.unsignedApproval = a.method == Approval::Method::Unsigned;
    return s;
}
