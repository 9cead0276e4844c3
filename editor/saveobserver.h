// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// Told of the designer's saves by whoever keeps a record of them (the
// control program's journal), so that the designer needs nothing of it.
class SaveObserver
{
public:
    virtual ~SaveObserver() = default;
    // Before path is written: why it may not be, or empty.
    virtual QString aboutToSave(const QString &path) = 0;
    // After path was written.
    virtual void saved(const QString &path) = 0;
};
