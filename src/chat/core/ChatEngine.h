// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ChatDocument.h"
#include "ChatReply.h"
#include "ChatTerms.h"
#include "ParagraphIndex.h"
#include "QandAEntry.h"

#include <QHash>
#include <QList>
#include <QString>

#include <vector>

// The tester's answers, by its own documented rules (ChatRules holds their
// numbers); the companion may choose differently. One engine serves the Test
// Chat window and --verify.
//
// 1. A question of the same words in the same order as the line: its answer;
//    the first such entry in the text wins.
// 2. Otherwise, among the questions that hold at least CloseMatchShare of
//    their weighted words in the line, the one that shares the most weight
//    (each word weighted by how rare it is among the questions, stop words
//    left out): its answer, as a close match.
// 3. Otherwise the paragraph of the memory or of a knowledge base that
//    shares the most rare words with the line (BM25): that statement or fact.
// 4. A statement (a line not ending in "?") that no question answered also
//    gets what the companion would keep of it: the line through SwapPerson.
// 5. Nothing reached: ChatRules::noAnswer(), and why.
//
// MatchWords and WontSay are not read: their meaning is the companion's.
class ChatEngine
{
public:
    ChatEngine();
    ChatEngine(const ChatEngine &) = delete;
    ChatEngine &operator=(const ChatEngine &) = delete;

    // The texts to answer from. Cheap when little changed: the question/answer
    // text is read again only when it changed, the memory and the knowledge
    // bases only where they changed.
    void setTexts(const QString &qandA, const QString &memory, const QList<ChatDocument> &knowledge);

    ChatReply reply(const QString &line) const;

    // The question/answer entries, in text order.
    const QList<QandAEntry> &entries() const { return m_entries; }
    const ParagraphIndex &paragraphs() const { return m_paragraphs; }

private:
    struct Question
    {
        int entry = 0;
        std::vector<int> terms; // distinct, stop words left out
        double weight = 0;
    };

    void readQandA(const QString &qandA);
    ChatReply::Candidate questionCandidate(const Question &question, double score) const;
    ChatReply::Candidate paragraphCandidate(const ParagraphIndex::Hit &hit) const;
    QString nothingReason(const QStringList &words, const QList<ChatReply::Candidate> &near) const;

    ChatTerms m_terms;
    ParagraphIndex m_paragraphs;
    QString m_qandA;
    bool m_qandARead = false;
    QList<QandAEntry> m_entries;
    std::vector<Question> m_questions;    // the entries that answer
    QHash<QString, int> m_exact;          // words joined by spaces -> first question
    QHash<int, double> m_questionWeights; // term -> weight among the questions
};
