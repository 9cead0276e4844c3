// SPDX-License-Identifier: GPL-3.0-or-later
// The standalone editor's message reader: a whole ".spr" of its schema into
// a scene, then written back out as the save does.
#include "diagramscene.h"
#include "editorprompts.h"
#include "fuzzqt.h"
#include "messagereader.h"
#include "messagewriter.h"

#include <cstdint>

namespace {

// A barcode whose content its symbology refuses shows a warning while the
// file is read; here nobody could close it.
struct SilentBox : editorPrompts
{
    void warning(const QString &, const QString &, const QString &) override {}
    void information(const QString &, const QString &) override {}
    int question(const QString &, const QString &, const QStringList &answers) override
    {
        return answers.size() - 1; // as if the box were closed
    }
};

} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    startFuzzApplication();
    static SilentBox silent;
    editorPrompts::install(&silent);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    diagramScene scene;
    messageReader::read(QByteArray::fromRawData(reinterpret_cast<const char *>(data), int(size)),
                        &scene);
    messageWriter::document(scene);
    return 0;
}
