// SPDX-License-Identifier: GPL-3.0-or-later
#include "PersonSwap.h"

#include "PersonLexicon.h"
#include "PhrasePattern.h"

#include <QVarLengthArray>

namespace PersonSwap {
namespace {

using PersonLexicon::Person;

// Where the words around a "you" leave its role open, a token after it that
// matches one of these makes it an object. The empty entry ends the list.
const QStringView ObjectCueWords[] = {
    u"and", u"when", u"if", u"from", u"or", u"then", u"where", u"a", u"about", u"how", u"I", u"[.,!]", u"",
};

bool isObjectCue(QStringView token)
{
    for (QStringView cue : ObjectCueWords) {
        if (cue.isEmpty())
            break;
        if (PhrasePattern::match(token, cue))
            return true;
    }
    return false;
}

// Punctuation that the tokenizer leaves on a word ("you;", "me...", "-I"): it
// is kept as typed around the swapped word and ends or opens a clause.
bool isClausePunctuation(QChar c)
{
    switch (c.unicode()) {
    case u'.':
    case u';':
    case u':':
    case u'-':
    case u'\u2013': // en dash
    case u'\u2014': // em dash
    case u'\u2026': // ellipsis
        return true;
    default:
        return false;
    }
}

bool hasLetterOrDigit(QStringView text)
{
    for (QChar c : text) {
        if (c.isLetterOrNumber())
            return true;
    }
    return false;
}

struct Token
{
    QStringView text; // the whole token as split
    QStringView head; // clause punctuation typed before the word
    QStringView word;
    QStringView tail; // clause punctuation typed after the word
    PersonLexicon::Entry entry;
    bool punctuation = false; // no letter or digit at all: , . ? ! ( ) quote marks, dashes
    bool quoted = false;      // inside quote marks: keeps its person
    bool question = false;    // its sentence ends with "?"
};

// One statement's tokens with what the rules ask about them. The role of a
// "you" depends only on the tokens as split, never on earlier replacements.
class Statement
{
public:
    explicit Statement(const QStringList &words)
    {
        qsizetype count = 0;
        while (count < words.size() && !words[count].isEmpty())
            ++count;
        m_tokens.resize(count);

        bool quoted = false;
        for (qsizetype i = 0; i < count; ++i) {
            Token &token = m_tokens[i];
            token.text = words[i];
            if (token.text.size() == 1 && (token.text[0] == u'"' || token.text[0] == u'\''))
                quoted = !quoted;
            token.quoted = quoted;
            token.punctuation = !hasLetterOrDigit(token.text);
            if (token.punctuation) {
                token.word = token.text;
                continue;
            }
            qsizetype begin = 0;
            qsizetype end = token.text.size();
            while (isClausePunctuation(token.text[begin]))
                ++begin;
            while (isClausePunctuation(token.text[end - 1]))
                --end;
            token.head = token.text.first(begin);
            token.word = token.text.sliced(begin, end - begin);
            token.tail = token.text.sliced(end);
            token.entry = PersonLexicon::lookUp(token.word);
        }

        bool question = false;
        for (qsizetype i = count - 1; i >= 0; --i) {
            const QStringView text = m_tokens[i].text;
            if (text == u"?")
                question = true;
            else if (text == u"." || text == u"!")
                question = false;
            m_tokens[i].question = question;
        }
    }

    qsizetype size() const { return m_tokens.size(); }

    // The replacement of token i, or a null string when it stays. `previous`
    // is the token before i after its own replacement.
    QString replacement(qsizetype i, QStringView previous) const
    {
        const Token &token = m_tokens[i];
        if (token.quoted || token.punctuation)
            return QString();
        switch (token.entry.person) {
        case Person::None:
            return QString();
        case Person::I:
        case Person::Me:
            return typedAround(token, u"you");
        case Person::You:
            return typedAround(token, isSubject(i) ? u"I" : u"me");
        case Person::My:
            return typedAround(token, u"your");
        case Person::Your:
            return typedAround(token, u"my");
        case Person::Mine:
            return typedAround(token, u"yours");
        case Person::Yours:
            return typedAround(token, u"mine");
        case Person::Myself:
            return typedAround(token, u"yourself");
        case Person::Yourself:
            return typedAround(token, u"myself");
        case Person::IAm:
            return typedAround(token, u"you're");
        case Person::YouAre:
            return typedAround(token, u"I'm");
        case Person::IHave:
            return typedAround(token, u"you've");
        case Person::YouHave:
            return typedAround(token, u"I've");
        case Person::IWill:
            return typedAround(token, u"you'll");
        case Person::YouWill:
            return typedAround(token, u"I'll");
        case Person::IWould:
            return typedAround(token, u"you'd");
        case Person::YouWould:
            return typedAround(token, u"I'd");
        case Person::Am:
            // "5 am" is a time, not a verb. A statement that opens with "am"
            // has its subject after it ("Am I late?").
            if (i > 0)
                return PhrasePattern::match(previous, u"[!0-9]*") ? typedAround(token, u"are") : QString();
            return isWordAfter(i, Person::I) ? typedAround(token, u"are") : QString();
        case Person::Are:
            return hasFirstPersonSubject(i, previous) ? typedAround(token, u"am") : QString();
        case Person::AreNot:
            return loneIBefore(i, previous) ? typedAround(token, u"am not") : QString();
        case Person::Were:
            return hasFirstPersonSubject(i, previous) && !isSubjunctive(i) ? typedAround(token, u"was")
                                                                           : QString();
        case Person::WereNot:
            return hasFirstPersonSubject(i, previous) && !isSubjunctive(i) ? typedAround(token, u"wasn't")
                                                                           : QString();
        case Person::Was:
            return hadFirstPersonSubject(i) ? typedAround(token, u"were") : QString();
        case Person::WasNot:
            return hadFirstPersonSubject(i) ? typedAround(token, u"weren't") : QString();
        }
        return QString();
    }

private:
    // The word right before token i, or null when a clause boundary or the
    // start of the statement stands there.
    const Token *wordBefore(qsizetype i) const
    {
        if (i == 0 || !m_tokens[i].head.isEmpty())
            return nullptr;
        const Token &previous = m_tokens[i - 1];
        return previous.punctuation || !previous.tail.isEmpty() ? nullptr : &previous;
    }

    // The word right after token i, or null when a clause boundary or the end
    // of the statement stands there.
    const Token *wordAfter(qsizetype i) const
    {
        if (i + 1 == size() || !m_tokens[i].tail.isEmpty())
            return nullptr;
        const Token &next = m_tokens[i + 1];
        return next.punctuation || !next.head.isEmpty() ? nullptr : &next;
    }

    static bool is(const Token *token, unsigned classes) { return token && (token->entry.classes & classes); }

    bool isWordAfter(qsizetype i, Person person) const
    {
        const Token *next = wordAfter(i);
        return next && next->entry.person == person;
    }

    // A clause begins at token i: at the start, after punctuation, or after a
    // word that opens one (and, but, if, that, what, ...).
    bool startsClause(qsizetype i) const
    {
        const Token *previous = wordBefore(i);
        return !previous || is(previous, PersonLexicon::Opener);
    }

    // An auxiliary at i stands before its subject: it opens its clause ("Can
    // you ...", "Where are you ..."), or it asks a question and no subject
    // pronoun stands before it ("How long have you ...?").
    bool invertsSubject(qsizetype i) const
    {
        if (startsClause(i))
            return true;
        return m_tokens[i].question && !is(wordBefore(i), PersonLexicon::Pronoun);
    }

    // The person of the word that token i is joined to by "and", "or" or
    // "nor", on either side.
    Person pairPartner(qsizetype i) const
    {
        if (const Token *joiner = wordAfter(i); is(joiner, PersonLexicon::Joiner)) {
            if (const Token *partner = wordAfter(i + 1))
                return partner->entry.person;
        }
        if (const Token *joiner = wordBefore(i); is(joiner, PersonLexicon::Joiner)) {
            if (const Token *partner = wordBefore(i - 1))
                return partner->entry.person;
        }
        return Person::None;
    }

    // Whether the "you" at i is the subject of its clause ("I") rather than an
    // object ("me"). The first rule that decides holds.
    bool isSubject(qsizetype i) const
    {
        const Token *previous = wordBefore(i);
        const Token *next = wordAfter(i);
        if (is(next, PersonLexicon::Finite)) // you are, you were, you can't, you said
            return true;
        if (is(previous, PersonLexicon::Auxiliary) &&
            invertsSubject(i - 1)) // are you, can you, where were you
            return true;
        if (is(previous, PersonLexicon::ObjectTaker)) // love you, let you, give you, with you
            return false;
        switch (pairPartner(i)) { // you and I, you and me: the case of the other one
        case Person::I:
            return true;
        case Person::Me:
            return false;
        default:
            break;
        }
        if (is(next, PersonLexicon::Verb)) // you know, you like, you always
            return true;
        if (is(previous, PersonLexicon::ObjectOrClause)) // know you, see you (but: know you like)
            return false;
        if (!next) // at the end of a clause: I love you. Is it you?
            return false;
        if (!previous || is(previous, PersonLexicon::Opener)) // at the start of a clause
            return true;
        return !isObjectCue(i + 1 < size() ? m_tokens[i + 1].text : QStringView());
    }

    // "I" before token i after the swap, on its own and not one of a pair
    // ("you are" → "I am", but "Bob and you are" → "Bob and I are").
    bool loneIBefore(qsizetype i, QStringView previous) const
    {
        if (i == 0 || previous.compare(u"I", Qt::CaseInsensitive) != 0)
            return false;
        return !is(wordBefore(i - 1), PersonLexicon::Joiner);
    }

    // The subject of the verb at i becomes "I": it stood before the verb as
    // "you", or stands after it as a lone "you" that is the subject.
    bool hasFirstPersonSubject(qsizetype i, QStringView previous) const
    {
        if (loneIBefore(i, previous))
            return true;
        if (!isWordAfter(i, Person::You) || !isSubject(i + 1))
            return false;
        return !is(wordAfter(i + 1), PersonLexicon::Joiner);
    }

    // The "were" at i follows a subject that follows "if" or "wish": it stays
    // "were" for "I" as well ("If you were me" → "If I were you").
    bool isSubjunctive(qsizetype i) const
    {
        return i >= 1 && wordBefore(i) && is(wordBefore(i - 1), PersonLexicon::Subjunctive);
    }

    // The subject of the verb at i was "I": before it, or after it when the
    // verb opens a question ("Was I right?").
    bool hadFirstPersonSubject(qsizetype i) const
    {
        const Token *previous = wordBefore(i);
        if (previous && previous->entry.person == Person::I)
            return !is(wordBefore(i - 1), PersonLexicon::Joiner);
        return isWordAfter(i, Person::I) && invertsSubject(i);
    }

    // The new word with the punctuation typed around the old one, and the
    // apostrophe as it was typed. `word` is always a literal, so a bare word
    // can share its storage.
    static QString typedAround(const Token &token, QStringView word)
    {
        const bool typographic = token.word.contains(u'\u2019');
        if (token.head.isEmpty() && token.tail.isEmpty() && !typographic)
            return QString::fromRawData(reinterpret_cast<const QChar *>(word.utf16()), word.size());
        QString text = token.head.toString();
        text += typographic ? word.toString().replace(u'\'', u'\u2019') : word.toString();
        text += token.tail;
        return text;
    }

    QVarLengthArray<Token, 100> m_tokens;
};

} // namespace

void swapTokens(QStringList &words)
{
    // The analysis reads the tokens as split, so the replacements are stored
    // only once all of them are known.
    const Statement statement(words);
    QVarLengthArray<QString, 100> replaced(statement.size());
    for (qsizetype i = 0; i < statement.size(); ++i) {
        QStringView previous;
        if (i > 0)
            previous = replaced[i - 1].isNull() ? QStringView(words[i - 1]) : QStringView(replaced[i - 1]);
        replaced[i] = statement.replacement(i, previous);
    }
    for (qsizetype i = 0; i < statement.size(); ++i) {
        if (!replaced[i].isNull())
            words[i] = std::move(replaced[i]);
    }
}

} // namespace PersonSwap
