// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "PictureSearch.h"

#include <QDialog>

class QListWidget;

// "Find Pictures": what a search of a folder found for the pictures a scene
// misses, and what it did not. OK asks for the found ones to be copied into
// Images; the window itself copies nothing.
class FindPicturesWindow : public QDialog
{
    Q_OBJECT
public:
    FindPicturesWindow(const PictureSearch::Search &search, const QString &folder, QWidget *owner = nullptr);

    const PictureSearch::Search &search() const { return m_search; }

private:
    PictureSearch::Search m_search;
    QListWidget *m_found = nullptr;
    QListWidget *m_missing = nullptr;
};
