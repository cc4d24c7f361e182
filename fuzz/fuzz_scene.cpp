// SPDX-License-Identifier: GPL-3.0-or-later
// Scene files: any file reads without a crash, and a scene read from one
// saves, loads and saves again to the same bytes, unless a value read is one
// that Save Scene refuses (it holds ";", a scene key or a line break, which
// the next load would read differently). Uses the scene core's public reader,
// loader and writer only.
#include "FuzzCheck.h"

#include "Cp1252.h"
#include "SceneFile.h"
#include "SceneRecord.h"

#include <cstddef>
#include <cstdint>

namespace {

// Load Scene on the default scene, the record alone.
SceneRecord load(const QString &text)
{
    SceneRecord scene;
    SceneFile::applyScene(scene, SceneFile::readScene(text));
    return scene;
}

// The file's text after a save: the scene text, then the CR LF the writer
// adds. Every character must have its byte in the code page.
QString saved(const SceneRecord &scene)
{
    const QString text = BuildSceneText(scene) + QStringLiteral("\r\n");
    FUZZ_CHECK(Cp1252::firstUnstorable(text) < 0, shown(text));
    return text;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(size));
    const SceneRecord first = load(Cp1252::decode(bytes));
    if (SceneFile::firstUnstorable(first).found())
        return 0;
    const QString once = saved(first);
    const SceneRecord again = load(once);
    const QString twice = saved(again);
    FUZZ_CHECK(twice == once, shown(once) + QStringLiteral(" saved again as ") + shown(twice));
    FUZZ_CHECK(!SceneFile::firstUnstorable(again).found(), shown(once));
    return 0;
}
