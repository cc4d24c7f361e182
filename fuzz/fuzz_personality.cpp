// SPDX-License-Identifier: GPL-3.0-or-later
// Personality files: any file reads as a memory file and as a
// question/answer file without a crash, and load, save, load, save gives the
// bytes of the first save: what the kit wrote, it reads back as exactly the
// texts it wrote. checkSave must tell exactly which typed texts come back.
#include "FuzzCheck.h"

#include "Cp1252.h"
#include "PersonalityFile.h"

#include <cstddef>
#include <cstdint>

namespace {

using PersonalityFile::Texts;

// The file's text after Save Personality wrote it. Every character must have
// its byte in the code page; that each byte reads back as its character is
// the knowledge target's to check.
QString throughFile(const QString &text)
{
    FUZZ_CHECK(Cp1252::firstUnstorable(text) < 0, shown(text));
    return text;
}

QString describe(const Texts &t)
{
    return shown(t.memory) + QStringLiteral(" | ") + shown(t.matchWords) + QStringLiteral(" | ") +
           shown(t.wontSay) + QStringLiteral(" | ") + shown(t.qandA);
}

bool savable(const Texts &texts)
{
    return PersonalityFile::checkSave(texts, QStringLiteral("P.mem"), QStringLiteral("P.qas")).ok();
}

void roundTrip(const Texts &read)
{
    // A load never gives a character that a save refuses; only a section
    // marker left in the memory text stops the save.
    if (!savable(read)) {
        FUZZ_CHECK(!PersonalityFile::checkMemory(read.memory).ok(), describe(read));
        return;
    }
    const QString memory = throughFile(PersonalityFile::memoryFileText(read));
    const QString qandA = throughFile(PersonalityFile::qandAFileText(read));
    const Texts again = PersonalityFile::fromFileText(memory, qandA);
    FUZZ_CHECK(again == read, describe(read) + QStringLiteral(" came back as ") + describe(again));
    FUZZ_CHECK(savable(again), describe(again));
    FUZZ_CHECK(PersonalityFile::memoryFileText(again) == memory, shown(memory));
    FUZZ_CHECK(PersonalityFile::qandAFileText(again) == qandA, shown(qandA));
}

// checkSave's verdict on texts typed into the editor against a real save and
// load.
void checkIsExact(const QString &typed)
{
    const Texts texts{typed, QStringLiteral("sea\r\n"), QStringLiteral("never\r\n"), typed};
    const bool ok = savable(texts);
    if (Cp1252::firstUnstorable(typed) >= 0) {
        FUZZ_CHECK(!ok, shown(typed));
        return;
    }
    const Texts back = PersonalityFile::fromFileText(PersonalityFile::memoryFileText(texts),
                                                     PersonalityFile::qandAFileText(texts));
    const PersonalityFile::SaveCheck check =
        PersonalityFile::checkSave(texts, QStringLiteral("P.mem"), QStringLiteral("P.qas"));
    if (ok)
        FUZZ_CHECK(back == texts, describe(texts) + QStringLiteral(" came back as ") + describe(back));
    else if (PersonalityFile::checkMemory(typed).ok())
        FUZZ_CHECK(check.position >= 0 && check.position < typed.size(), check.message);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(size));
    const QString file = Cp1252::decode(bytes);
    // The same bytes as both files of a personality.
    roundTrip(PersonalityFile::fromFileText(file, file));
    // And as texts typed into the editor.
    checkIsExact(file);
    return 0;
}
