// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ChatEngine.h"
#include "ChatTest.h"

#include <QList>
#include <QString>
#include <QStringList>

// The conversation of the Test Chat window: each line with its reply, the
// engine that answered them, and the chat test they make.
class ChatSession
{
public:
    struct Exchange
    {
        QString said;
        ChatReply reply;
    };

    // Answers line from the texts as they are now (an edit counts from the
    // next line), and keeps both.
    const ChatReply &say(const QString &line, const QString &qandA, const QString &memory,
                         const QList<ChatDocument> &knowledge);
    void clear() { m_exchanges.clear(); }
    const QList<Exchange> &exchanges() const { return m_exchanges; }

    // The conversation as a chat test: each reply, word for word, as the one
    // pattern of its exchange. personality and knowledge as the file's header
    // names them (empty: the defaults).
    ChatTest toTest(const QString &personality, const QStringList &knowledge) const;

private:
    ChatEngine m_engine;
    QList<Exchange> m_exchanges;
};
