// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

// Turns statements between first and second person. Stateless; QtCore only.
namespace PhraseModule {
void SplitWords(const QString &text, QStringList &words); // words.size() - 1 is U; caller sizes it
void SwapPerson(QString &text);
void TidySentence(QString &text);
void CapitalizeFirst(QString &text);
} // namespace PhraseModule
