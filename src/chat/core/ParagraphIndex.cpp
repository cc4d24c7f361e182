// SPDX-License-Identifier: GPL-3.0-or-later
#include "ParagraphIndex.h"

#include "ChatRules.h"
#include "ChatWords.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace {

// How many characters two texts share from their start, compared a block at a
// time: a large knowledge base is compared at memory speed.
qsizetype commonPrefix(QStringView a, QStringView b)
{
    const qsizetype n = std::min(a.size(), b.size());
    constexpr qsizetype block = 4096;
    qsizetype i = 0;
    while (i + block <= n && std::memcmp(a.data() + i, b.data() + i, block * sizeof(QChar)) == 0)
        i += block;
    while (i < n && a[i] == b[i])
        ++i;
    return i;
}

qsizetype commonSuffix(QStringView a, QStringView b)
{
    const qsizetype n = std::min(a.size(), b.size());
    constexpr qsizetype block = 4096;
    qsizetype i = 0;
    while (i + block <= n && std::memcmp(a.data() + a.size() - i - block, b.data() + b.size() - i - block,
                                         block * sizeof(QChar)) == 0)
        i += block;
    while (i < n && a[a.size() - 1 - i] == b[b.size() - 1 - i])
        ++i;
    return i;
}

bool isBlank(QStringView line)
{
    for (QChar c : line) {
        if (c != QLatin1Char(' ') && c != QLatin1Char('\t'))
            return false;
    }
    return true;
}

} // namespace

ParagraphIndex::ParagraphIndex(ChatTerms &terms) : m_terms(terms) {}

void ParagraphIndex::setDocuments(const QList<ChatDocument> &documents)
{
    m_lastRead = 0;
    // Documents that are gone.
    for (size_t d = 0; d < m_documents.size();) {
        const bool kept = std::any_of(documents.cbegin(), documents.cend(),
                                      [&](const ChatDocument &o) { return o.name == m_documents[d].name; });
        if (kept) {
            ++d;
            continue;
        }
        for (int slot : m_documents[d].order)
            removeParagraph(slot);
        m_documents.erase(m_documents.begin() + qsizetype(d));
    }
    // In the order asked for, new ones empty until read.
    std::vector<Document> ordered;
    ordered.reserve(size_t(documents.size()));
    for (const ChatDocument &wanted : documents) {
        auto it = std::find_if(m_documents.begin(), m_documents.end(),
                               [&](const Document &d) { return d.name == wanted.name; });
        if (it != m_documents.end()) {
            ordered.push_back(std::move(*it));
            m_documents.erase(it);
        } else {
            Document document;
            document.name = wanted.name;
            ordered.push_back(std::move(document));
        }
    }
    // Two documents of one name: the second is a new one of its own.
    for (Document &left : m_documents) {
        for (int slot : left.order)
            removeParagraph(slot);
    }
    m_documents = std::move(ordered);
    for (size_t d = 0; d < m_documents.size(); ++d) {
        for (int slot : m_documents[d].order)
            m_slots[size_t(slot)].document = int(d);
        update(m_documents[d], int(d), documents.at(qsizetype(d)).text);
    }
}

void ParagraphIndex::update(Document &document, int index, const QString &text)
{
    const QString &old = document.text;
    // An editor's text that did not change is the same string.
    if (old.size() == text.size() && old.constData() == text.constData())
        return;
    const qsizetype prefix = commonPrefix(old, text);
    if (prefix == old.size() && prefix == text.size()) {
        document.text = text; // the same characters: share the newer copy
        return;
    }
    const qsizetype suffix = commonSuffix(QStringView(old).mid(prefix), QStringView(text).mid(prefix));
    const qsizetype oldEnd = old.size() - suffix; // where the change ends in the old text
    const qsizetype delta = text.size() - old.size();

    std::vector<int> &order = document.order;
    const auto startOf = [&](int slot) { return m_slots[size_t(slot)].start; };
    // The paragraph the change starts in (or after), and one more before it:
    // a line end typed just before a paragraph can join or part the lines
    // around it.
    auto first = std::upper_bound(order.begin(), order.end(), prefix,
                                  [&](qsizetype at, int slot) { return at < startOf(slot); });
    qsizetype firstIndex = qsizetype(first - order.begin()) - 2;
    if (firstIndex < 0)
        firstIndex = 0;
    // The paragraphs that start after the change stay, but for the first of
    // them, which the change may have joined to the one before.
    auto after = std::upper_bound(order.begin(), order.end(), oldEnd,
                                  [&](qsizetype at, int slot) { return at < startOf(slot); });
    qsizetype lastIndex = std::min(qsizetype(after - order.begin()) + 1, qsizetype(order.size()));
    if (lastIndex < firstIndex)
        lastIndex = firstIndex;

    const bool readFromStart = firstIndex == 0;
    const qsizetype from = readFromStart ? 0 : startOf(order[size_t(firstIndex)]);
    const qsizetype fromLine = readFromStart ? 1 : m_slots[size_t(order[size_t(firstIndex)])].line;
    const bool toEnd = lastIndex >= qsizetype(order.size());
    const qsizetype to = toEnd ? text.size() : startOf(order[size_t(lastIndex)]) + delta;
    const qsizetype oldToLine = toEnd ? 0 : m_slots[size_t(order[size_t(lastIndex)])].line;

    for (qsizetype i = firstIndex; i < lastIndex; ++i)
        removeParagraph(order[size_t(i)]);
    std::vector<int> read_;
    const qsizetype toLine = read(index, text, from, to, fromLine, read_);
    addPostings(read_);
    m_lastRead += to - from;
    const qsizetype lineDelta = toLine - oldToLine;
    for (qsizetype i = lastIndex; i < qsizetype(order.size()); ++i) {
        Paragraph &p = m_slots[size_t(order[size_t(i)])];
        p.start += delta;
        p.line += lineDelta;
    }
    order.erase(order.begin() + firstIndex, order.begin() + lastIndex);
    order.insert(order.begin() + firstIndex, read_.begin(), read_.end());
    document.text = text;
}

qsizetype ParagraphIndex::read(int document, const QString &text, qsizetype from, qsizetype to,
                               qsizetype line, std::vector<int> &order)
{
    const QStringView all(text);
    qsizetype start = -1; // of the paragraph being read
    qsizetype startLine = 0;
    qsizetype end = 0; // of its last line's text
    qsizetype pos = from;
    while (pos < to) {
        qsizetype e = pos;
        while (e < to && text[e] != QLatin1Char('\r') && text[e] != QLatin1Char('\n'))
            ++e;
        const bool blank = isBlank(all.mid(pos, e - pos));
        if (!blank) {
            if (start < 0) {
                start = pos;
                startLine = line;
            }
            end = e;
        } else if (start >= 0) {
            order.push_back(
                addParagraph(document, all.mid(start, end - start), start, end - start, startLine));
            start = -1;
        }
        if (e >= to)
            break;
        pos =
            e +
            (text[e] == QLatin1Char('\r') && e + 1 < text.size() && text[e + 1] == QLatin1Char('\n') ? 2 : 1);
        ++line;
    }
    if (start >= 0)
        order.push_back(addParagraph(document, all.mid(start, end - start), start, end - start, startLine));
    return line;
}

int ParagraphIndex::addParagraph(int document, QStringView text, qsizetype start, qsizetype length,
                                 qsizetype line)
{
    int slot;
    if (!m_free.empty()) {
        slot = m_free.back();
        m_free.pop_back();
    } else {
        slot = int(m_slots.size());
        m_slots.emplace_back();
    }
    Paragraph &p = m_slots[size_t(slot)];
    p.document = document;
    p.start = start;
    p.length = length;
    p.line = line;
    p.used = true;
    p.words = 0;
    p.terms.clear();
    std::vector<int> &ids = m_ids;
    ids.clear();
    m_words.clear();
    m_wordSpans.clear();
    ChatWords::forEachWord(text, [&](QStringView word) {
        ChatWords::fold(word, m_folded);
        m_wordSpans.emplace_back(m_words.size(), size_t(m_folded.size()));
        m_words.append(reinterpret_cast<const char16_t *>(m_folded.constData()), size_t(m_folded.size()));
    });
    // All the words' places in the table are asked for before the first is
    // looked up.
    const auto wordAt = [this](const std::pair<size_t, size_t> &span) {
        return QStringView(m_words.data() + span.first, qsizetype(span.second));
    };
    m_hashes.clear();
    for (const auto &span : m_wordSpans) {
        m_hashes.push_back(ChatTerms::hashOf(wordAt(span)));
        m_terms.prefetch(m_hashes.back());
    }
    for (size_t w = 0; w < m_wordSpans.size(); ++w) {
        const int id = m_terms.add(wordAt(m_wordSpans[w]), m_hashes[w]);
        if (!m_terms.isStopWord(id))
            ids.push_back(id);
    }
    std::sort(ids.begin(), ids.end());
    for (size_t i = 0; i < ids.size();) {
        size_t j = i;
        while (j < ids.size() && ids[j] == ids[i])
            ++j;
        p.terms.push_back({ids[i], int(j - i)});
        i = j;
    }
    p.words = int(ids.size());
    m_totalWords += p.words;
    ++m_paragraphs;
    return slot;
}

void ParagraphIndex::addPostings(const std::vector<int> &paragraphs)
{
    if (m_postings.size() < size_t(m_terms.count()))
        m_postings.resize(size_t(m_terms.count()));
    // Many paragraphs at once (a text read whole): each term's list grows
    // once to its new size, instead of doubling its way there copying.
    if (paragraphs.size() > 64) {
        std::vector<int> added(m_postings.size(), 0);
        for (int slot : paragraphs) {
            for (const Posting &t : m_slots[size_t(slot)].terms)
                ++added[size_t(t.slot)];
        }
        for (size_t term = 0; term < added.size(); ++term) {
            if (added[term] > 0)
                m_postings[term].reserve(m_postings[term].size() + size_t(added[term]));
        }
    }
    for (int slot : paragraphs) {
        for (const Posting &t : m_slots[size_t(slot)].terms)
            m_postings[size_t(t.slot)].push_back({slot, t.count});
    }
}

void ParagraphIndex::removeParagraph(int slot)
{
    Paragraph &p = m_slots[size_t(slot)];
    for (const Posting &t : p.terms) {
        std::vector<Posting> &list = m_postings[size_t(t.slot)];
        auto it = std::find_if(list.begin(), list.end(), [slot](const Posting &o) { return o.slot == slot; });
        if (it != list.end()) {
            *it = list.back();
            list.pop_back();
        }
    }
    m_totalWords -= p.words;
    --m_paragraphs;
    p.terms = std::vector<Posting>();
    p.used = false;
    m_free.push_back(slot);
}

QList<ParagraphIndex::Hit> ParagraphIndex::best(const std::vector<int> &terms, int count) const
{
    QList<Hit> hits;
    if (m_paragraphs == 0)
        return hits;
    m_scores.assign(m_slots.size(), 0.0);
    m_touched.clear();
    const double n = m_paragraphs;
    const double average = std::max(1.0, double(m_totalWords) / n);
    for (int term : terms) {
        if (term < 0 || size_t(term) >= m_postings.size())
            continue;
        const std::vector<Posting> &list = m_postings[size_t(term)];
        if (list.empty())
            continue;
        const double df = double(list.size());
        const double idf = std::log(1.0 + (n - df + 0.5) / (df + 0.5));
        for (const Posting &posting : list) {
            const double tf = posting.count;
            const double length = m_slots[size_t(posting.slot)].words;
            double &score = m_scores[size_t(posting.slot)];
            if (score == 0.0)
                m_touched.push_back(posting.slot);
            score += idf * tf * (ChatRules::Bm25K1 + 1) /
                     (tf + ChatRules::Bm25K1 * (1 - ChatRules::Bm25B + ChatRules::Bm25B * length / average));
        }
    }
    const auto better = [&](int a, int b) {
        if (m_scores[size_t(a)] != m_scores[size_t(b)])
            return m_scores[size_t(a)] > m_scores[size_t(b)];
        const Paragraph &pa = m_slots[size_t(a)];
        const Paragraph &pb = m_slots[size_t(b)];
        if (pa.document != pb.document)
            return pa.document < pb.document;
        return pa.start < pb.start;
    };
    const size_t shown = std::min(m_touched.size(), size_t(std::max(count, 0)));
    std::partial_sort(m_touched.begin(), m_touched.begin() + qsizetype(shown), m_touched.end(), better);
    for (size_t i = 0; i < shown; ++i) {
        const int slot = m_touched[i];
        const Paragraph &p = m_slots[size_t(slot)];
        const std::vector<int> &order = m_documents[size_t(p.document)].order;
        const auto at = std::lower_bound(order.begin(), order.end(), p.start, [&](int s, qsizetype start) {
            return m_slots[size_t(s)].start < start;
        });
        Hit hit;
        hit.document = p.document;
        hit.paragraph = int(at - order.begin());
        hit.position = p.start;
        hit.length = p.length;
        hit.line = p.line;
        hit.score = m_scores[size_t(slot)];
        hits << hit;
    }
    return hits;
}
