// SPDX-License-Identifier: GPL-3.0-or-later
// Knowledge base text: a ".kba" file loads and saves back byte for byte (a
// file without the CR LF every save ends with gains it, once), and the import of any text file decodes it
// and splits it keeping every character but line ends, NUL and the white
// space between sentences: the sentences follow each other through the
// source's paragraphs, and the facts have CR LF line ends only.
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

void split(const QString &source)
{
    // The paragraphs the split reads: no CR, no NUL, each paragraph a line.
    qsizetype drops = -1;
    const QString text = SentenceSplitter::paragraphs(source, &drops);
    FUZZ_CHECK(drops == source.count(QChar(0)), shown(source));
    FUZZ_CHECK(!text.contains(QLatin1Char('\r')) && !text.contains(QChar(0)), shown(text));
    FUZZ_CHECK(!text.startsWith(QLatin1Char('\n')) && !text.endsWith(QLatin1Char('\n')) &&
                   !text.contains(QStringLiteral("\n\n")),
               shown(text));

    // The sentences follow each other through it, apart from one separator
    // after a sentence's full stops and paragraphs of white space only.
    const QStringList sentences = SentenceSplitter::sentences(source);
    const auto ends = [&text](qsizetype i) { return i == text.size() || !text.at(i).isLetterOrNumber(); };
    qsizetype at = 0;
    for (qsizetype n = 0; n < sentences.size(); ++n) {
        const QString &sentence = sentences[n];
        const auto where = [&] {
            return QStringLiteral("sentence %1 %2 of %3").arg(n).arg(shown(sentence), shown(text));
        };
        FUZZ_CHECK(!sentence.contains(QLatin1Char('\n')), where());
        FUZZ_CHECK(!std::all_of(sentence.begin(), sentence.end(), [](QChar c) { return c.isSpace(); }),
                   where());
        while (at < text.size() && !QStringView(text).mid(at).startsWith(sentence)) {
            FUZZ_CHECK(text.at(at).isSpace(), where());
            ++at;
        }
        FUZZ_CHECK(at < text.size(), where());
        at += sentence.size();
        // Full stops end it only as its last run, before no letter or digit.
        for (qsizetype i = 0; i < sentence.size(); ++i) {
            if (sentence.at(i) != QLatin1Char('.'))
                continue;
            qsizetype end = i + 1;
            while (end < sentence.size() && sentence.at(end) == QLatin1Char('.'))
                ++end;
            FUZZ_CHECK(end == sentence.size() ? ends(at) : sentence.at(end).isLetterOrNumber(), where());
            i = end - 1;
        }
        if (!sentence.endsWith(QLatin1Char('.')) || !ends(at)) {
            // Ended by its paragraph or the text.
            FUZZ_CHECK(at == text.size() || text.at(at) == QLatin1Char('\n'), where());
        }
    }
    // Whatever no sentence took is white space.
    for (qsizetype i = at; i < text.size(); ++i)
        FUZZ_CHECK(text.at(i).isSpace(), QStringLiteral("dropped %1").arg(shown(text.mid(at))));

    QString facts;
    for (const QString &sentence : sentences)
        facts += sentence + SentenceSplitter::factEnd();
    FUZZ_CHECK(SentenceSplitter::facts(source) == facts, shown(source));
    // The knowledge base has CR LF line ends only.
    FUZZ_CHECK(facts.count(QLatin1Char('\n')) == facts.count(QStringLiteral("\r\n")) &&
                   facts.count(QLatin1Char('\r')) == facts.count(QStringLiteral("\r\n")),
               shown(facts));

    // The window's slices give the same text as one go.
    SentenceSplitter slices(source);
    QString sliced;
    while (slices.appendFacts(&sliced, 7) > 0) {
        const int percent = SentenceSplitter::percentage(sliced.size(), source.size());
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
