// SPDX-License-Identifier: GPL-3.0-or-later
#include "ChatSession.h"

#include "ChatTestFile.h"

const ChatReply &ChatSession::say(const QString &line, const QString &qandA, const QString &memory,
                                  const QList<ChatDocument> &knowledge)
{
    m_engine.setTexts(qandA, memory, knowledge);
    m_exchanges << Exchange{line, m_engine.reply(line)};
    return m_exchanges.constLast().reply;
}

ChatTest ChatSession::toTest(const QString &personality, const QStringList &knowledge) const
{
    ChatTest test;
    test.personality = personality;
    test.knowledge = knowledge;
    // Lines count as the writer lays them out: the header, then each
    // exchange's two lines.
    qsizetype line = (personality.isEmpty() ? 0 : 1) + knowledge.size() + 1;
    for (const Exchange &exchange : m_exchanges) {
        test.exchanges << ChatTest::Exchange{
            line, exchange.said, {{line + 1, ChatTestFile::literalPattern(exchange.reply.text)}}};
        line += 2;
    }
    return test;
}
