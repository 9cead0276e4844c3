// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QString>

class Fleet;
class GraphicsScene;
class QByteArray;
class QWidget;

// The pre-flight check of a message file on its way to coders, against the
// heads those coders print with.
namespace ApplyPreflight {

// The heads a coder prints with, from its last print-parameter block: the
// heads it has enabled; all four before any block has arrived.
quint8 headMaskOf(const QByteArray &parameterBlock);

// True when the file may go to the coders: it has no findings (nothing is
// shown), the operator chose to send it anyway, or it cannot be read as a
// message (the send itself then says why).  The head mask is that of every
// coder together: a band any of them leaves out is reported.  `loaded`, when
// given, already holds the file as it is on disk, and is checked instead of
// reading the file again.  refusal, when not empty, says why this operator
// may not send it anyway.
bool confirm(QWidget *parent, const QString &path, const Fleet &fleet,
             const QList<int> &descriptors, const GraphicsScene *loaded = nullptr,
             const QString &refusal = QString());

} // namespace ApplyPreflight
