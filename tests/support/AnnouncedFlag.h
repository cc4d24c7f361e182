// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QStringList>

// What a model last announced about a yes/no state of its own (modified,
// say) through a signal carrying the new value: a table test of the model
// runs its steps and checks after each that the announced value is the
// model's, so that no change of the state goes unannounced.
class AnnouncedFlag : public QObject
{
    Q_OBJECT
public:
    // initial: the state before any step.
    template <class Sender, class Signal>
    AnnouncedFlag(Sender *sender, Signal signal, bool initial) : m_value(initial)
    {
        connect(sender, signal, this, [this](bool value) { m_value = value; });
    }

    bool value() const { return m_value; }

    // The steps of a table row, written "type save load": split at spaces.
    static QStringList steps(const char *list);

private:
    bool m_value;
};
