// SPDX-License-Identifier: GPL-3.0-or-later
// Personality files: any file reads as a memory file and as a
// question/answer file without a crash, and what was read survives Save
// Personality and a load. The format itself adds empty lines on every save
// and load (the memory text gains CR LF pairs, the question/answer text one
// CR LF, a section without a final line break gets one), so the property is:
// after one save and load the sections stay as they are, and every later save
// and load adds the same CR LF pairs to the memory text and one CR LF to the
// question/answer text, nothing else. checkMemory must tell exactly which
// memory texts come back.
#include "FuzzCheck.h"

#include "Cp1252.h"
#include "PersonalityFile.h"
#include "SubstitutionTable.h"

#include <cstddef>
#include <cstdint>

namespace {

using SubstitutionTable::LineBreakStep;

struct Texts
{
    QString memory, matchWords, wontSay, qandA;
};

// A load from the two files' text: decode, then take the sections out.
Texts load(const QString &memoryFile, const QString &qandAFile)
{
    Texts texts;
    texts.memory = SubstitutionTable::decode(memoryFile, LineBreakStep::Fold);
    texts.qandA = SubstitutionTable::decode(qandAFile, LineBreakStep::None);
    PersonalityFile::takeOutSection(texts.memory, texts.matchWords, PersonalityFile::kMatchWordsMarker);
    PersonalityFile::takeOutSection(texts.memory, texts.wontSay, PersonalityFile::kWontSayMarker);
    return texts;
}

// The file's text after Save Personality wrote it: the stored text with the
// CR LF that the writer appends. Every character must have its byte in the
// code page; that each byte reads back as its character is the knowledge
// target's to check.
QString throughFile(const QString &stored)
{
    FUZZ_CHECK(Cp1252::firstUnstorable(stored) < 0, shown(stored));
    return stored + QStringLiteral("\r\n");
}

Texts saveAndLoad(const Texts &texts)
{
    return load(throughFile(PersonalityFile::storedMemory(texts.memory, texts.matchWords, texts.wontSay)),
                throughFile(PersonalityFile::storedQandA(texts.qandA)));
}

bool onlyLineBreaks(QStringView text)
{
    return text.size() % 2 == 0 && text.count(QStringLiteral("\r\n")) == text.size() / 2;
}

// The memory text as a load gives it back after a save.
QString comesBack(const QString &memory)
{
    return SubstitutionTable::decode(SubstitutionTable::encode(memory, LineBreakStep::Fold),
                                     LineBreakStep::Fold);
}

// checkMemory's verdict against a real save and load of memory with sections
// that a save and load keep as they are.
void checkIsExact(const QString &memory)
{
    const Texts saved{memory, QStringLiteral("sea\r\n"), QStringLiteral("never\r\n"), QString()};
    const Texts loaded = saveAndLoad(saved);
    const bool cameBack = loaded.memory.startsWith(comesBack(memory)) &&
                          loaded.matchWords == saved.matchWords && loaded.wontSay == saved.wontSay;
    const PersonalityFile::MemoryCheck check = PersonalityFile::checkMemory(memory);
    FUZZ_CHECK(check.ok() == cameBack, shown(memory) + QStringLiteral(": ") + check.message);
    if (!check.ok()) {
        FUZZ_CHECK(check.line >= 1 && check.position >= 0 && check.position <= memory.size(), check.message);
        FUZZ_CHECK(QStringView(memory).mid(check.position).startsWith(check.lineText), check.message);
    }
}

void roundTrip(const Texts &read)
{
    if (!PersonalityFile::checkMemory(read.memory).ok())
        return;
    const Texts once = saveAndLoad(read);
    FUZZ_CHECK(once.memory.startsWith(read.memory),
               shown(read.memory) + QStringLiteral(" came back as ") + shown(once.memory));
    const Texts twice = saveAndLoad(once);
    const Texts thrice = saveAndLoad(twice);
    for (const Texts *later : {&twice, &thrice}) {
        FUZZ_CHECK(later->matchWords == once.matchWords,
                   shown(once.matchWords) + QStringLiteral(" came back as ") + shown(later->matchWords));
        FUZZ_CHECK(later->wontSay == once.wontSay,
                   shown(once.wontSay) + QStringLiteral(" came back as ") + shown(later->wontSay));
    }
    FUZZ_CHECK(twice.memory.startsWith(once.memory), shown(once.memory));
    const QString added = twice.memory.mid(once.memory.size());
    FUZZ_CHECK(onlyLineBreaks(added) && thrice.memory == twice.memory + added,
               shown(added) + QStringLiteral(" then ") + shown(thrice.memory.mid(twice.memory.size())));
    FUZZ_CHECK(twice.qandA == once.qandA + QStringLiteral("\r\n") &&
                   thrice.qandA == twice.qandA + QStringLiteral("\r\n"),
               shown(once.qandA));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(size));
    const QString file = Cp1252::decode(bytes);
    // The same bytes as both files of a personality.
    roundTrip(load(file, file));
    // And as a memory text typed into the editor.
    checkIsExact(file);
    return 0;
}
