// SPDX-License-Identifier: GPL-3.0-or-later
#include "applypreflight.h"

#include "fleet.h"

#include "graphicsscene.h"
#include "messagefile.h"
#include "preflight.h"
#include "preflightdialog.h"

#include <QFileInfo>

namespace ApplyPreflight {

std::optional<Station::Findings> confirm(QWidget *parent, const QString &path,
                                         const Station &station, const QList<int> &descriptors,
                                         const GraphicsScene *loaded, const QString &refusal)
{
    bool anyCoder = false;
    for (int descriptor : descriptors)
        anyCoder = anyCoder || station.fleet()->coder(descriptor);
    // Without a coder the station says why nothing goes out.
    if (!anyCoder)
        return Station::Findings::Refuse;
    Preflight::Options options;
    options.headMask = station.headMaskOf(descriptors);
    // What goes out is printed as written: a template's placeholders too.
    options.fillTemplates = false;
    GraphicsScene scene;
    if (!loaded) {
        if (!MessageFile::load(scene, path).ok)
            return Station::Findings::Refuse;
        loaded = &scene;
    }
    const QList<Preflight::Finding> findings = Preflight::check(*loaded, options);
    if (findings.isEmpty())
        return Station::Findings::Refuse;
    if (!PreflightDialog::confirm(findings, PreflightDialog::Purpose::Send,
                                  QFileInfo(path).fileName(), parent, {}, refusal))
        return std::nullopt;
    return Station::Findings::SendAnyway;
}

} // namespace ApplyPreflight
