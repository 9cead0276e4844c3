// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QMap>
#include <QString>

// The per-user store where earlier versions kept the coders' remark names
// (organization "KorvexSoftWare", native format, user scope).  The names
// live in the station's settings now; this store is only read once per
// account to carry them over.  It is opened afresh at each read and write.
namespace DeviceStore {

// The remark name of a coder, keyed by its IP text exactly as shown in the
// list; empty when the coder has none.
QString remarkName(const QString &ipText);
void setRemarkName(const QString &ipText, const QString &name);
// Every name, by IP text.
QMap<QString, QString> remarkNames();

// Whether this account's names were carried over to the settings file.
bool remarkNamesCarriedOver();
void setRemarkNamesCarriedOver();

} // namespace DeviceStore
