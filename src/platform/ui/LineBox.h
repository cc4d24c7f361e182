// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLineEdit>

// A one-line text box whose text goes into a file line: of a text pasted or
// dropped into it only the first line is kept, so no line break reaches the
// file, and it holds texts of any length (QLineEdit's own limit of 32,767
// characters would cut a longer text that was loaded into it on the next save).
class LineBox : public QLineEdit
{
    Q_OBJECT
public:
    explicit LineBox(QWidget *parent = nullptr);
    LineBox(const QString &text, QWidget *parent = nullptr);

private:
    void keepOneLine(const QString &text);
};
