// SPDX-License-Identifier: GPL-3.0-or-later
// "Options.Cfg": any file reads without a crash, and its settings survive
// saving: read, save, read gives the settings read the first time, and a
// second save writes the same bytes as the first, so a file the kit wrote
// comes back from a load and a save byte for byte.
#include "FuzzCheck.h"

#include "Cp1252.h"
#include "LocationSettings.h"

#include <cstddef>
#include <cstdint>

namespace {

// The text TextFile::write stores for the settings (before the code page),
// as the next load reads it.
QString written(const LocationSettings &settings)
{
    return settings.fileContent() + QStringLiteral("\r\n");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(size));
    const LocationSettings first = LocationSettings::fromFileText(Cp1252::decode(bytes));
    for (int i = 0; i < LocationSettings::Count; ++i) {
        for (const QString *value :
             {&first.LocationFile[i], &first.LocationText[i], &first.LocationRest[i]}) {
            FUZZ_CHECK(!value->contains(QLatin1Char('\r')) && !value->contains(QLatin1Char('\n')),
                       shown(*value));
        }
        for (const QString *value : {&first.LocationFile[i], &first.LocationText[i]})
            FUZZ_CHECK(!value->contains(QLatin1Char(',')), shown(*value));
    }

    // Load, save, load: the same settings, and the file the first save wrote
    // (a file the kit wrote) saves as itself.
    const QString firstText = written(first);
    FUZZ_CHECK(Cp1252::firstUnstorable(firstText) < 0, shown(firstText));
    const LocationSettings second = LocationSettings::fromFileText(firstText);
    FUZZ_CHECK(second.LocationFile == first.LocationFile && second.LocationText == first.LocationText &&
                   second.LocationRest == first.LocationRest,
               shown(firstText));
    FUZZ_CHECK(second.OptOther == first.OptOther,
               shown(first.OptOther) + QStringLiteral(" read back as ") + shown(second.OptOther));
    // The file always ends in CR LF: the other text after the entries gains one
    // when it lacked it.
    const bool endsLikeAFile = first.OptAfter.isEmpty() || first.OptAfter.endsWith(QStringLiteral("\r\n"));
    const QString afterBack = endsLikeAFile ? first.OptAfter : first.OptAfter + QStringLiteral("\r\n");
    FUZZ_CHECK(second.OptAfter == afterBack,
               shown(first.OptAfter) + QStringLiteral(" read back as ") + shown(second.OptAfter));

    const QString secondText = written(second);
    FUZZ_CHECK(secondText == firstText,
               shown(firstText) + QStringLiteral(" saved again as ") + shown(secondText));
    FUZZ_CHECK(LocationSettings::fromFileText(secondText) == second, shown(secondText));

    // Every entry the reader takes is one the check sees, from the same keys.
    int entries = 0;
    for (const LocationSettings::Key &key : LocationSettings::keys(firstText))
        entries += key.kind == LocationSettings::Key::Kind::Entry ? 1 : 0;
    FUZZ_CHECK(entries == LocationSettings::Count, shown(firstText));
    return 0;
}
