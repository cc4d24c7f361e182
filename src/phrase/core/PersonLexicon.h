// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringView>

// The words the person swap knows: the persons it exchanges and the few word
// classes that tell, around a "you", whether it is a subject or an object.
// Looked up ignoring case; a typographic apostrophe reads as the straight one.
namespace PersonLexicon {

enum Class : unsigned {
    Opener = 1u << 0,         // opens a clause: and, but, if, that, what, when, ...
    Joiner = 1u << 1,         // joins a pair: and, or, nor
    Auxiliary = 1u << 2,      // stands before its subject in a question: do, are, can, ...
    Finite = 1u << 3,         // after "you", reads only as its verb: are, were, will, said, ...
    Verb = 1u << 4,           // after "you", reads as its verb: know, like, make, always, ...
    ObjectTaker = 1u << 5,    // before "you", takes it as object: love, give, let, to, with, ...
    ObjectOrClause = 1u << 6, // before "you", takes an object or a clause: know, see, like, ...
    Pronoun = 1u << 7,        // a subject pronoun: I, you, we, they, he, she, it
    Subjunctive = 1u << 8,    // its subject takes "were" in every person: if, wish, though
};

// The words whose person or agreement the swap changes.
enum class Person : unsigned char {
    None,
    I,
    Me,
    You,
    My,
    Your,
    Mine,
    Yours,
    Myself,
    Yourself,
    IAm,      // I'm
    YouAre,   // you're
    IHave,    // I've
    YouHave,  // you've
    IWill,    // I'll
    YouWill,  // you'll
    IWould,   // I'd
    YouWould, // you'd
    Am,
    Are,
    AreNot, // aren't
    Was,
    WasNot, // wasn't
    Were,
    WereNot, // weren't
};

struct Entry
{
    unsigned classes = 0;
    Person person = Person::None;
};

// The entry of a word; a word the lexicon does not hold gets the empty entry.
Entry lookUp(QStringView word);

} // namespace PersonLexicon
