// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "station.h"

#include <QList>
#include <QString>

#include <optional>

class GraphicsScene;
class QWidget;

// The window's side of the pre-flight check of a message file on its way to
// coders: the findings listed for the operator to decide on.  The station
// checks the file again as it sends it, for every sender alike.
namespace ApplyPreflight {

// What the operator chose: nothing to send, or how to send.  Refuse (the
// station's default) when there are no findings, or when the file does not
// load as a message (the station then refuses it and says why); SendAnyway
// when the operator accepted the findings.  The head mask is that of every
// coder together: a band any of them leaves out is reported.  `loaded`, when
// given, already holds the file as it is on disk, and is checked instead of
// reading the file again.  refusal, when not empty, says why this operator
// may not send it anyway.
std::optional<Station::Findings> confirm(QWidget *parent, const QString &path,
                                         const Station &station, const QList<int> &descriptors,
                                         const GraphicsScene *loaded = nullptr,
                                         const QString &refusal = QString());

} // namespace ApplyPreflight
