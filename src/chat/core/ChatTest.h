// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// A recorded conversation that the tester's replies must keep to: what the
// user says, and the patterns one of which each reply must match.
struct ChatTest
{
    struct Expectation
    {
        qsizetype line = 0; // 1-based line of the "<" line
        QString pattern;
        bool operator==(const Expectation &o) const { return line == o.line && pattern == o.pattern; }
    };
    struct Exchange
    {
        qsizetype line = 0; // of the ">" line
        QString said;
        QList<Expectation> expected;
        bool operator==(const Exchange &o) const
        {
            return line == o.line && said == o.said && expected == o.expected;
        }
    };

    QString personality;   // empty: the first of the folder's list
    QStringList knowledge; // empty: every .kba of the folder
    QList<Exchange> exchanges;

    bool operator==(const ChatTest &o) const
    {
        return personality == o.personality && knowledge == o.knowledge && exchanges == o.exchanges;
    }
};
