// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "templatefields.h"

class Catalogue;
struct JobField;

// The designer's questions about templates, answered from the products
// catalogue: the products that name the message as their template, and the
// approval of a version by its SHA-256.
class CatalogueTemplateFields : public TemplateFields
{
public:
    explicit CatalogueTemplateFields(Catalogue *catalogue) : m_catalogue(catalogue) {}

    TemplateProducts productsOf(const QString &messageName) override;
    Signature signatureOf(const QString &messageName, const QByteArray &bytes) override;

    static TemplateField fieldOf(const JobField &field);

private:
    Catalogue *m_catalogue;
};
