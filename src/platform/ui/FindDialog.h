// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "TextSearch.h"

#include <QDialog>

class LineBox;
class QCheckBox;
class QLabel;
class QPushButton;

// The small Find window of a text area: the text to find, whether case
// matters, whether a search goes round past the end, Find Next and Find
// Previous. It holds the search; the area it belongs to does the finding
// (findRequested) and shows here what came of it (showResult).
//
// Enter is Find Next; F3 and Shift+F3 search forwards and backwards from here
// too; Escape closes the window.
class FindDialog : public QDialog
{
    Q_OBJECT
public:
    explicit FindDialog(QWidget *parent = nullptr);

    QString needle() const;
    void setNeedle(const QString &needle);
    Qt::CaseSensitivity caseSensitivity() const;
    bool wraps() const;

    // Shows the window (again) with the text to find selected for typing over.
    void open();
    // Says what the last search found: nothing, or a match only past the end.
    void showResult(const TextSearch::Match &match, TextSearch::Direction direction);

signals:
    void findRequested(TextSearch::Direction direction);

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    LineBox *m_text;
    QCheckBox *m_matchCase;
    QCheckBox *m_wrap;
    QPushButton *m_next;
    QPushButton *m_previous;
    QLabel *m_status;
};
