// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ChatSource.h"

#include <QList>
#include <QString>

// What the tester answers to one line, and why.
struct ChatReply
{
    // The rule that answered.
    enum class Rule {
        Exact = 1,     // a question of the same words, in the same order
        Close = 2,     // the question that shares enough of its rare words
        Paragraph = 3, // the statement or fact that shares the most rare words
        Nothing = 5,   // nothing reached
    };

    struct Candidate
    {
        ChatSource source;
        double score = 0;
        QString text;
        bool operator==(const Candidate &o) const
        {
            return source == o.source && score == o.score && text == o.text;
        }
    };

    Rule rule = Rule::Nothing;
    QString text;      // the answer, statement or fact on one line; "(no answer)"
    ChatSource source; // nothing for Rule::Nothing
    double score = 0;  // Exact: 1; Close: the share of the question's weight; Paragraph: BM25
    QList<Candidate> runnersUp;
    // A statement that no question answered: what the companion would keep
    // of it, through the person swap. Empty otherwise.
    QString kept;
    // Rule::Nothing: why.
    QString reason;

    bool answered() const { return rule != Rule::Nothing; }
    // The source, or the reason nothing answered.
    QString from() const { return answered() ? source.describe() : reason; }
};
