// SPDX-License-Identifier: GPL-3.0-or-later
#include "applypreflight.h"

#include "fleet.h"
#include "graphicsscene.h"
#include "messagefile.h"
#include "preflight.h"
#include "preflightdialog.h"
#include "printparameters.h"

#include <QFileInfo>

namespace ApplyPreflight {

quint8 headMaskOf(const QByteArray &parameterBlock)
{
    if (parameterBlock.isEmpty())
        return PrintHead::kMaskFourHeads;
    return quint8(PrintParameters::fromBytes(parameterBlock).headEnableMask) &
           PrintHead::kMaskFourHeads;
}

bool confirm(QWidget *parent, const QString &path, const Fleet &fleet,
             const QList<int> &descriptors, const GraphicsScene *loaded, const QString &refusal)
{
    Preflight::Options options;
    bool anyCoder = false;
    for (int descriptor : descriptors) {
        if (const Coder *coder = fleet.coder(descriptor)) {
            options.headMask &= headMaskOf(coder->parameterBlock);
            anyCoder = true;
        }
    }
    if (!anyCoder)
        return true;
    GraphicsScene scene;
    if (!loaded) {
        if (!MessageFile::load(scene, path))
            return true;
        loaded = &scene;
    }
    return PreflightDialog::confirm(Preflight::check(*loaded, options),
                                    PreflightDialog::Purpose::Send, QFileInfo(path).fileName(),
                                    parent, {}, refusal);
}

} // namespace ApplyPreflight
