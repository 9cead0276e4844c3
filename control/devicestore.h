// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <optional>

// The control application's settings: the server port and the coders'
// remark names.  The store (organization "KorvexSoftWare", native format,
// user scope) is opened afresh at each read and write; nothing is cached, so
// two windows or a restart always see the latest values.
namespace DeviceStore {

// The port saved by the server button; empty when none was saved.
std::optional<int> serverPort();
void setServerPort(int port);

// The remark name of a coder, keyed by its IP text exactly as shown on its
// button; empty when the coder has none.
QString remarkName(const QString &ipText);
void setRemarkName(const QString &ipText, const QString &name);

} // namespace DeviceStore
