// SPDX-License-Identifier: GPL-3.0-or-later
// Knowledge base text: a ".kba" file loads and saves back byte for byte (a
// file without the CR LF every save ends with gains it, once), and the import of any text file decodes it
// and splits it keeping every character: the sentences follow each other
// through the source, apart from one separator after a sentence's full stops
// and white space at the very end.
#include "FuzzCheck.h"

#include "Cp1252.h"
#include "KnowledgeBase.h"
#include "SentenceSplitter.h"
#include "SourceText.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>

namespace {

QByteArray saved(const QString &text)
{
    QByteArray bytes;
    FUZZ_CHECK(Cp1252::encode(text, &bytes), shown(text));
    return bytes + "\r\n";
}

void knowledgeBaseFile(const QByteArray &bytes)
{
    const QString loaded = KnowledgeBase::textOfFile(Cp1252::decode(bytes));
    const QByteArray first = saved(loaded);
    FUZZ_CHECK(first == (bytes.endsWith("\r\n") ? bytes : bytes + "\r\n"), shown(loaded));
    const QString again = KnowledgeBase::textOfFile(Cp1252::decode(first));
    FUZZ_CHECK(again == loaded && saved(again) == first, shown(again));
}

void sourceDecoding(const QByteArray &bytes, const QString &text)
{
    if (!SourceText::isUtf8(bytes)) {
        FUZZ_CHECK(text == Cp1252::decode(bytes), shown(text));
    } else if (!bytes.startsWith("\xEF\xBB\xBF")) {
        // Taken for UTF-8 only when it is valid throughout: nothing changed.
        FUZZ_CHECK(text.toUtf8() == bytes, shown(text));
    }
}

void split(const QString &text)
{
    const QStringList sentences = SentenceSplitter::sentences(text);
    qsizetype at = 0;
    for (qsizetype n = 0; n < sentences.size(); ++n) {
        const QString &sentence = sentences[n];
        const auto where = [&] {
            return QStringLiteral("sentence %1 %2 of %3").arg(n).arg(shown(sentence), shown(text));
        };
        FUZZ_CHECK(!sentence.isEmpty(), where());
        FUZZ_CHECK(QStringView(text).mid(at).startsWith(sentence), where());
        at += sentence.size();
        // Full stops only at its end, all of a run of them.
        qsizetype stops = 0;
        while (stops < sentence.size() && sentence.at(sentence.size() - 1 - stops) == QLatin1Char('.'))
            ++stops;
        FUZZ_CHECK(!sentence.chopped(stops).contains(QLatin1Char('.')), where());
        if (stops == 0) {
            // The text after the last full stop, when it is not white space only.
            FUZZ_CHECK(n == sentences.size() - 1 && at == text.size(), where());
            FUZZ_CHECK(!std::all_of(sentence.begin(), sentence.end(), [](QChar c) { return c.isSpace(); }),
                       where());
            break;
        }
        FUZZ_CHECK(at == text.size() || text.at(at) != QLatin1Char('.'), where());
        if (at < text.size() && SentenceSplitter::isSeparator(text.at(at)))
            ++at;
    }
    // Whatever no sentence took is white space at the end.
    for (qsizetype i = at; i < text.size(); ++i)
        FUZZ_CHECK(text.at(i).isSpace(), QStringLiteral("dropped %1").arg(shown(text.mid(at))));

    QString facts;
    for (const QString &sentence : sentences)
        facts += sentence + SentenceSplitter::factEnd();
    FUZZ_CHECK(SentenceSplitter::facts(text) == facts, shown(text));

    // The window's slices give the same text as one go.
    SentenceSplitter slices(text);
    QString sliced;
    while (slices.appendFacts(&sliced, 7) > 0) {
        const int percent = SentenceSplitter::percentage(sliced.size(), text.size());
        FUZZ_CHECK(percent >= 0 && percent <= 100, QString::number(percent));
    }
    FUZZ_CHECK(slices.finished() && sliced == facts, shown(text));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(size));
    knowledgeBaseFile(bytes);
    const QString text = SourceText::decode(bytes);
    sourceDecoding(bytes, text);
    split(text);
    return 0;
}
