// SPDX-License-Identifier: GPL-3.0-or-later
// The words of a coder's stage in its job, shared by the Jobs view, the
// device list and the rows of other lines' coders.
#include "jobspanel.h"

QString JobsPanel::stageText(JobRunner::Stage stage)
{
    switch (stage) {
    case JobRunner::Stage::Sending:
        return tr("sending");
    case JobRunner::Stage::Verified:
        return tr("verified");
    case JobRunner::Stage::Running:
        return tr("running");
    case JobRunner::Stage::Mismatch:
        return tr("mismatch");
    case JobRunner::Stage::NotVerified:
        break;
    }
    return tr("not verified");
}
