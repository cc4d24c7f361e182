// SPDX-License-Identifier: GPL-3.0-or-later
#include "ChatEngine.h"

#include "ChatRules.h"
#include "ChatText.h"
#include "ChatWords.h"
#include "PhraseModule.h"
#include "QandAEntries.h"

#include <QCoreApplication>

#include <algorithm>
#include <cmath>

namespace {

// A word's weight among n texts of which df hold it: the rarer, the heavier
// (BM25's form, never below zero).
double inverseFrequency(double n, double df)
{
    return std::log(1.0 + (n - df + 0.5) / (df + 0.5));
}

std::vector<int> distinct(std::vector<int> ids)
{
    std::sort(ids.begin(), ids.end());
    ids.erase(std::unique(ids.begin(), ids.end()), ids.end());
    return ids;
}

QString quotedList(const QStringList &words)
{
    QStringList quoted;
    for (const QString &word : words)
        quoted << QLatin1Char('"') + word + QLatin1Char('"');
    return quoted.join(QStringLiteral(", "));
}

} // namespace

ChatEngine::ChatEngine() : m_paragraphs(m_terms) {}

void ChatEngine::setTexts(const QString &qandA, const QString &memory, const QList<ChatDocument> &knowledge)
{
    if (!m_qandARead || qandA != m_qandA)
        readQandA(qandA);
    QList<ChatDocument> documents;
    documents.reserve(knowledge.size() + 1);
    documents << ChatDocument{QString(), memory};
    documents << knowledge;
    m_paragraphs.setDocuments(documents);
}

void ChatEngine::readQandA(const QString &qandA)
{
    m_qandA = qandA;
    m_qandARead = true;
    m_entries = QandAEntries::read(qandA);
    m_questions.clear();
    m_exact.clear();
    m_questionWeights.clear();
    QHash<int, int> frequencies;
    for (qsizetype e = 0; e < m_entries.size(); ++e) {
        const QandAEntry &entry = m_entries.at(e);
        if (!entry.answers())
            continue;
        const QStringList words = ChatWords::words(entry.question);
        if (words.isEmpty())
            continue;
        Question question;
        question.entry = int(e);
        std::vector<int> ids;
        for (const QString &word : words) {
            const int id = m_terms.add(word);
            if (!m_terms.isStopWord(id))
                ids.push_back(id);
        }
        question.terms = distinct(ids);
        for (int id : question.terms)
            ++frequencies[id];
        // The first of equal questions answers.
        const QString key = words.join(QLatin1Char(' '));
        if (!m_exact.contains(key))
            m_exact.insert(key, int(m_questions.size()));
        m_questions.push_back(std::move(question));
    }
    const double n = double(m_questions.size());
    for (auto it = frequencies.cbegin(); it != frequencies.cend(); ++it)
        m_questionWeights.insert(it.key(), inverseFrequency(n, it.value()));
    for (Question &question : m_questions) {
        question.weight = 0;
        for (int id : question.terms)
            question.weight += m_questionWeights.value(id);
    }
}

ChatReply::Candidate ChatEngine::questionCandidate(const Question &question, double score) const
{
    const QandAEntry &entry = m_entries.at(question.entry);
    ChatReply::Candidate candidate;
    candidate.source.kind = ChatSource::Kind::QandA;
    candidate.source.index = question.entry + 1;
    candidate.source.line = entry.line;
    candidate.source.position = entry.position;
    candidate.source.length = entry.length;
    candidate.source.question = entry.question;
    candidate.score = score;
    candidate.text = ChatText::oneLine(entry.answer);
    return candidate;
}

ChatReply::Candidate ChatEngine::paragraphCandidate(const ParagraphIndex::Hit &hit) const
{
    ChatReply::Candidate candidate;
    const bool memory = hit.document == 0;
    candidate.source.kind = memory ? ChatSource::Kind::Memory : ChatSource::Kind::Knowledge;
    candidate.source.document = m_paragraphs.name(hit.document);
    candidate.source.index = hit.paragraph + 1;
    candidate.source.line = hit.line;
    candidate.source.position = hit.position;
    candidate.source.length = hit.length;
    candidate.score = hit.score;
    candidate.text =
        ChatText::oneLine(QStringView(m_paragraphs.text(hit.document)).mid(hit.position, hit.length));
    return candidate;
}

ChatReply ChatEngine::reply(const QString &line) const
{
    ChatReply reply;
    const QStringList words = ChatWords::words(line);
    std::vector<int> lineTerms;
    for (const QString &word : words) {
        const int id = m_terms.find(word);
        if (id >= 0 && !m_terms.isStopWord(id))
            lineTerms.push_back(id);
    }
    lineTerms = distinct(lineTerms);

    // The questions by the weight they share with the line.
    struct Ranked
    {
        int question;
        double shared;
    };
    std::vector<Ranked> ranked;
    for (size_t q = 0; q < m_questions.size(); ++q) {
        double shared = 0;
        for (int id : m_questions[q].terms) {
            if (std::binary_search(lineTerms.begin(), lineTerms.end(), id))
                shared += m_questionWeights.value(id);
        }
        if (shared > 0)
            ranked.push_back({int(q), shared});
    }
    std::stable_sort(ranked.begin(), ranked.end(),
                     [](const Ranked &a, const Ranked &b) { return a.shared > b.shared; });
    const auto share = [&](const Ranked &r) { return r.shared / m_questions[size_t(r.question)].weight; };
    const auto fillRunnersUp = [&](int chosen) {
        for (const Ranked &r : ranked) {
            if (reply.runnersUp.size() >= ChatRules::RunnersUp)
                break;
            if (r.question != chosen)
                reply.runnersUp << questionCandidate(m_questions[size_t(r.question)], share(r));
        }
    };
    const auto take = [&](const ChatReply::Candidate &candidate) {
        reply.text = candidate.text;
        reply.source = candidate.source;
        reply.score = candidate.score;
    };

    // Rule 1.
    const auto exact = words.isEmpty() ? m_exact.cend() : m_exact.constFind(words.join(QLatin1Char(' ')));
    if (exact != m_exact.cend()) {
        reply.rule = ChatReply::Rule::Exact;
        take(questionCandidate(m_questions[size_t(*exact)], 1.0));
        fillRunnersUp(*exact);
        return reply;
    }
    // Rule 2.
    for (const Ranked &r : ranked) {
        if (share(r) >= ChatRules::CloseMatchShare) {
            reply.rule = ChatReply::Rule::Close;
            take(questionCandidate(m_questions[size_t(r.question)], share(r)));
            fillRunnersUp(r.question);
            break;
        }
    }
    const bool statement = !ChatWords::isQuestion(line);
    if (reply.rule == ChatReply::Rule::Close)
        return reply;
    // Rule 4.
    if (statement && !words.isEmpty()) {
        reply.kept = line;
        PhraseModule::SwapPerson(reply.kept);
    }
    // Rule 3.
    const QList<ParagraphIndex::Hit> hits = m_paragraphs.best(lineTerms, 1 + ChatRules::RunnersUp);
    if (!hits.isEmpty()) {
        reply.rule = ChatReply::Rule::Paragraph;
        take(paragraphCandidate(hits.first()));
        for (qsizetype i = 1; i < hits.size(); ++i)
            reply.runnersUp << paragraphCandidate(hits.at(i));
        return reply;
    }
    // Rule 5.
    reply.rule = ChatReply::Rule::Nothing;
    reply.text = ChatRules::noAnswer();
    fillRunnersUp(-1);
    reply.reason = nothingReason(words, reply.runnersUp);
    return reply;
}

QString ChatEngine::nothingReason(const QStringList &words, const QList<ChatReply::Candidate> &near) const
{
    if (words.isEmpty())
        return QCoreApplication::translate("ChatEngine", "no words");
    QStringList content;
    for (const QString &word : words) {
        if (!ChatRules::isStopWord(word) && !content.contains(word))
            content << word;
    }
    if (content.isEmpty())
        return QCoreApplication::translate("ChatEngine", "only stop words: %1").arg(quotedList(words));
    if (near.isEmpty())
        return (content.size() == 1
                    ? QCoreApplication::translate("ChatEngine",
                                                  "no shared word: %1 is in no question, statement or fact")
                    : QCoreApplication::translate("ChatEngine",
                                                  "no shared word: %1 are in no question, statement or fact"))
            .arg(quotedList(content));
    return QCoreApplication::translate("ChatEngine",
                                       "no question holds half of its weighted words in the line (%1: %2%)")
        .arg(near.first().source.describe(), QString::number(qRound(near.first().score * 100)));
}
