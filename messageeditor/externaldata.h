// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// Where an item's content would come from on the printer when it is fed
// from an external data file.  The editor only carries these values through
// the message file; nothing here edits or displays them.
struct externalData
{
    int startLine = 1;
    int endLine = 1;
    QString filePath;
    int curLine = 1;
    bool isExternal = false;
    bool allPrinted = false;

    bool operator==(const externalData &o) const
    {
        return startLine == o.startLine && endLine == o.endLine && filePath == o.filePath &&
               curLine == o.curLine && isExternal == o.isExternal && allPrinted == o.allPrinted;
    }
};
