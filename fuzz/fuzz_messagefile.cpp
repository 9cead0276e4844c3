// SPDX-License-Identifier: GPL-3.0-or-later
// The control program's message file reader: a whole ".spr" document into a
// scene, then written back out as the save does.
#include "counterregistry.h"
#include "fuzzqt.h"
#include "graphicsscene.h"
#include "messagefile.h"

#include <QJsonDocument>

#include <cstdint>

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    startFuzzApplication();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QJsonDocument document = QJsonDocument::fromJson(
        QByteArray::fromRawData(reinterpret_cast<const char *>(data), int(size)));
    if (!document.isObject())
        return 0;
    CounterRegistry::resetForTests();
    GraphicsScene scene;
    // A data file the input names may be missing or unusable: reported as a
    // value, which does not matter here.
    MessageFile::applyDocument(scene, document.object());
    const QJsonObject saved = MessageFile::toDocument(scene);
    // What was written reads back without trouble.
    GraphicsScene again;
    MessageFile::applyDocument(again, saved);
    return 0;
}
