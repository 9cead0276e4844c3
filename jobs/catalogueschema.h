// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>

// The statements that take the catalogue's schema from version - 1 to
// version, for SQLite or PostgreSQL.  A migration, once released, is never
// changed: a new column or table is a new version.
namespace CatalogueSchema {
QStringList migration(int version, bool sqlite);
}
