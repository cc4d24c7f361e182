// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Finding.h"

#include <QList>

namespace FileCheck {

// The most findings of one kind a check lists one by one. Past them a single
// finding counts the rest, so that a damaged file of a million alike lines is
// reported in a screenful, in time and memory that grow with the file alone.
constexpr int MostOfAKind = 100;

// Counts the findings of one kind.
class OfAKind
{
public:
    // Whether the finding on line is to be made: true for the first
    // MostOfAKind, then false, and the line is counted instead.
    bool take(qsizetype line);
    // Whether take() still needs the line: false once the first finding left
    // out is known; count() then counts one more without it (a line costs a
    // search of the file's lines).
    bool needsLine() const { return m_taken <= MostOfAKind; }
    void count() { ++m_taken; }
    // Appends the finding that counts those left out, when there were any.
    void finish(QList<Finding> &findings) const;

private:
    qsizetype m_taken = 0;
    qsizetype m_lastListed = 0;
    qsizetype m_firstLeftOut = 0;
};

} // namespace FileCheck
