// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// True for a suffix Qt 5.15's QSaveFile may have given its temporary: "."
// and six letters drawn at random from A-Z and a-z, never a digit.  The
// shapes a person gives a copy ("backup", "BACKUP", "Backup") count as the
// user's: a stale temporary that happens to have one (3 in 64) stays as
// clutter, which is better than deleting a user's file.
bool isSaveTemporarySuffix(const QString &suffix);

// A save killed in the instant between QSaveFile linking its temporary
// "<name>.XXXXXX" into the folder and renaming it over the file (power cut,
// task manager) leaves that temporary behind.  Called after a successful
// save of path, removes such temporaries beside it; links are left alone.
void removeStaleTemporaries(const QString &path);
