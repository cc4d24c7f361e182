// SPDX-License-Identifier: GPL-3.0-or-later
#include "ChatWords.h"

namespace ChatWords {
namespace {

// SplitWords' letters: plain ASCII only.
bool isAsciiLetter(char16_t c)
{
    return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z');
}

bool holdsLetterOrDigit(QStringView token)
{
    for (QChar c : token) {
        if (c.isLetterOrNumber())
            return true;
    }
    return false;
}

bool isSpace(char16_t c)
{
    return c == u' ' || c == u'\r' || c == u'\n';
}

} // namespace

void forEachWord(QStringView text, const std::function<void(QStringView word)> &word)
{
    // SplitWords' rules, on views: the word being built is always a
    // contiguous run of the text, since every character either joins it or
    // ends it.
    qsizetype start = 0;
    qsizetype length = 0;
    const auto end = [&] {
        // "..." leaves ".." on the word before it: a word's own full stops
        // at its end are not part of it.
        while (length > 0 && text[start + length - 1] == QLatin1Char('.'))
            --length;
        if (length > 0) {
            const QStringView token = text.mid(start, length);
            if (holdsLetterOrDigit(token))
                word(token);
        }
        length = 0;
    };
    const qsizetype size = text.size();
    for (qsizetype i = 0; i < size; ++i) {
        const char16_t c = text[i].unicode();
        const char16_t n = i + 1 < size ? text[i + 1].unicode() : u' ';
        switch (c) {
        case u'!':
        case u'"':
        case u'(':
        case u')':
        case u',':
        case u'?':
            end();
            continue;
        case u'\'':
            if (length == 0 || !isAsciiLetter(n)) {
                end();
                continue;
            }
            break;
        case u'.':
            if (isSpace(n)) {
                end();
                continue;
            }
            break;
        case u' ':
        case u'\r':
        case u'\n':
            end();
            continue;
        default:
            break;
        }
        if (length == 0)
            start = i;
        ++length;
    }
    end();
}

void fold(QStringView word, QString &out)
{
    out.resize(word.size());
    QChar *to = out.data();
    for (qsizetype i = 0; i < word.size(); ++i) {
        const char16_t c = word[i].unicode();
        if (c < 0x80)
            to[i] = QChar(c >= u'A' && c <= u'Z' ? char16_t(c + 32) : c);
        else
            to[i] = word[i].toCaseFolded();
    }
}

QStringList words(QStringView text)
{
    QStringList list;
    QString folded;
    forEachWord(text, [&](QStringView word) {
        fold(word, folded);
        list << QString(folded); // a copy of its own, so `folded` is reused
    });
    return list;
}

bool isQuestion(QStringView text)
{
    return text.trimmed().endsWith(QLatin1Char('?'));
}

} // namespace ChatWords
