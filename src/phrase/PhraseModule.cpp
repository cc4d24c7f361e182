#include "PhraseModule.h"

// Filled in with the phrase module.
namespace PhraseModule {
void SplitWords(const QString &, QStringList &) {}
void SwapPerson(QString &) {}
void TidySentence(QString &) {}
void CapitalizeFirst(QString &) {}
} // namespace PhraseModule
