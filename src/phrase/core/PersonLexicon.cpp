// SPDX-License-Identifier: GPL-3.0-or-later
#include "PersonLexicon.h"

#include <algorithm>
#include <string_view>
#include <vector>

namespace PersonLexicon {
namespace {

// Each class as one list of lower-case words, separated by spaces. A word may
// stand in several lists; its entry holds all of them. The lists are short on
// purpose: a word the rules do not know leaves the decision to the next rule.
struct WordList
{
    unsigned classes;
    const char *words;
};

const WordList ClassLists[] = {
    {Opener,
     "and but or nor so yet then if unless when whenever where wherever while whilst because since as "
     "once until till before after though although whether that what whatever who whoever whom whose "
     "which how why maybe perhaps neither"},
    {Joiner, "and or nor"},
    {Auxiliary,
     "do does did am are was were have has had can could will would shall should may might must "
     "don't doesn't didn't aren't wasn't weren't haven't hasn't hadn't can't cannot couldn't won't "
     "wouldn't shan't shouldn't mightn't mustn't"},
    // Tensed forms only: after "you" none of them can start a bare verb phrase
    // ("I saw you left" has "you" as subject, "I saw you leave" as object).
    {Finite, "am are was were will would shall should can cannot could may might must did had don't doesn't "
             "didn't aren't wasn't weren't haven't hadn't can't couldn't won't wouldn't shan't shouldn't "
             "mustn't said knew thought went came told gave took saw felt meant left got liked loved wanted "
             "needed looked seemed tried found made met heard kept sent brought bought paid lost won wrote "
             "called asked helped missed hated used became began"},
    {Verb, "know think like love want need mean see say feel look seem get go come have do make take tell "
           "give hate miss believe understand remember forget agree care deserve wish hope guess mind try "
           "find keep live work play talk speak smile sound let hurt help call ask been always never really "
           "just also still probably usually often sometimes actually certainly definitely"},
    // Verbs that cannot take a clause, verbs that take "you" and a bare verb
    // ("let you know", "made you laugh", "saw you leave"), and prepositions.
    {ObjectTaker,
     "love loves loved adore adores adored hate hates hated miss misses missed need needs needed want "
     "wants wanted likes liked thank thanks thanked call calls called help helps helped ask asks "
     "asked meet meets met trust trusts trusted kiss kissed hug hugged hold holds held give gives "
     "gave given tell tells told show shows showed teach taught send sends sent bring brings "
     "brought buy bought pay paid owe owes marry married visit visited invite invited join joined "
     "follow followed forgive forgave hurt choose chose protect protects support supports let lets "
     "make makes made have has had watch watched saw heard get gets got keep keeps kept find finds "
     "found leave left lose lost blame blamed remind reminded bother save saved take takes took "
     "beat annoy annoys hit catch caught "
     "about above across against along alongside among amongst around at behind below beneath "
     "beside besides between beyond by despite except for from in inside into near of off on onto "
     "outside over past regarding through throughout to toward towards under underneath unlike "
     "upon with within without via"},
    {ObjectOrClause, "know knows knew see sees hear hears feel feels felt believe believes believed remember "
                     "remembered understand understood like bet wish promise promised expect imagine suppose "
                     "than"},
    {Pronoun, "i you we they he she it"},
    {Subjunctive, "if wish wished wishes though"},
};

struct PersonWord
{
    const char *word;
    Person person;
};

const PersonWord PersonWords[] = {
    {"i", Person::I},
    {"me", Person::Me},
    {"you", Person::You},
    {"my", Person::My},
    {"your", Person::Your},
    {"mine", Person::Mine},
    {"yours", Person::Yours},
    {"myself", Person::Myself},
    {"yourself", Person::Yourself},
    {"i'm", Person::IAm},
    {"you're", Person::YouAre},
    {"i've", Person::IHave},
    {"you've", Person::YouHave},
    {"i'll", Person::IWill},
    {"you'll", Person::YouWill},
    {"i'd", Person::IWould},
    {"you'd", Person::YouWould},
    {"am", Person::Am},
    {"are", Person::Are},
    {"aren't", Person::AreNot},
    {"was", Person::Was},
    {"wasn't", Person::WasNot},
    {"were", Person::Were},
    {"weren't", Person::WereNot},
};

struct Word
{
    std::string_view text;
    Entry entry;
};

// ASCII letters fold to lower case and the typographic apostrophe to the
// straight one; every other character stays itself and so matches no word.
char16_t folded(QChar c)
{
    const char16_t u = c.unicode();
    if (u >= u'A' && u <= u'Z')
        return char16_t(u - u'A' + u'a');
    return u == u'\u2019' ? char16_t(u'\'') : u;
}

int compareFolded(QStringView token, std::string_view word)
{
    const qsizetype size = qsizetype(word.size());
    const qsizetype common = std::min(token.size(), size);
    for (qsizetype k = 0; k < common; ++k) {
        const char16_t a = folded(token[k]);
        const char16_t b = char16_t(uchar(word[k]));
        if (a != b)
            return a < b ? -1 : 1;
    }
    return token.size() < size ? -1 : token.size() > size ? 1 : 0;
}

// The words sorted, one entry per word, with where each initial letter's run
// begins, so that a look-up searches only the words of its letter.
class Lexicon
{
public:
    Lexicon()
    {
        std::vector<Word> listed;
        for (const WordList &list : ClassLists) {
            const std::string_view all(list.words);
            size_t start = 0;
            while (start < all.size()) {
                const size_t end = std::min(all.find(' ', start), all.size());
                if (end > start)
                    listed.push_back({all.substr(start, end - start), {list.classes, Person::None}});
                start = end + 1;
            }
        }
        for (const PersonWord &word : PersonWords)
            listed.push_back({word.word, {0, word.person}});

        std::stable_sort(listed.begin(), listed.end(),
                         [](const Word &a, const Word &b) { return a.text < b.text; });
        for (const Word &word : listed) {
            if (m_words.empty() || m_words.back().text != word.text) {
                m_words.push_back(word);
                continue;
            }
            m_words.back().entry.classes |= word.entry.classes;
            if (word.entry.person != Person::None)
                m_words.back().entry.person = word.entry.person;
        }

        // Every word begins with a letter from a to z.
        size_t k = 0;
        for (int letter = 0; letter <= 26; ++letter) {
            while (k < m_words.size() && m_words[k].text.front() < 'a' + letter)
                ++k;
            m_letterStart[letter] = k;
        }
        for (const Word &word : m_words)
            m_longest = std::max(m_longest, qsizetype(word.text.size()));
    }

    Entry find(QStringView word) const
    {
        if (word.isEmpty() || word.size() > m_longest)
            return {};
        const char16_t first = folded(word.front());
        if (first < u'a' || first > u'z')
            return {};
        const auto begin = m_words.begin() + m_letterStart[first - u'a'];
        const auto end = m_words.begin() + m_letterStart[first - u'a' + 1];
        const auto found = std::lower_bound(begin, end, word, [](const Word &entry, QStringView key) {
            return compareFolded(key, entry.text) > 0;
        });
        return found != end && compareFolded(word, found->text) == 0 ? found->entry : Entry();
    }

private:
    std::vector<Word> m_words;
    size_t m_letterStart[27] = {};
    qsizetype m_longest = 0;
};

} // namespace

Entry lookUp(QStringView word)
{
    static const Lexicon lexicon;
    return lexicon.find(word);
}

} // namespace PersonLexicon
