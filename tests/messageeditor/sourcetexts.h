// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QSet>
#include <QString>

// One translatable text: Qt looks it up by context, source and
// disambiguation.
struct sourceText
{
    QString context;
    QString source;
    QString disambiguation;
    bool operator==(const sourceText &o) const
    {
        return context == o.context && source == o.source && disambiguation == o.disambiguation;
    }
    // "Context: "text"" with line breaks shown as \n, for failure lists.
    QString describe() const;
};
uint qHash(const sourceText &t, uint seed = 0);

struct catalogueEntry
{
    sourceText text;
    QString translation;
    QString type; // "unfinished", "obsolete", "vanished" or empty
};

// The entries of a Qt Linguist .ts file, read as XML; empty when unreadable.
QList<catalogueEntry> readCatalogue(const QString &path);

// The texts the sources of one folder show: every <string> of its Designer
// forms without notr="true" (context: the form's class), and every tr(),
// translate(), QT_TR_NOOP and QT_TRANSLATE_NOOP of its .cpp and .h files.
// The context of a bare tr() is the class of the enclosing member function.
QSet<sourceText> shownTexts(const QString &folder);
