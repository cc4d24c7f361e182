// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class Platform;
class QWidget;

// The programs' help: a page in Docs of the program folder (Mindloom.htm,
// Frameloft.htm), opened through the desktop's browser.
namespace HelpPage {

// The page of that name in Docs of the platform's program folder.
QString path(const Platform &platform, const QString &page);

// Opens the page; a page that is missing or that the desktop could not open
// is told in a message box owned by from.
void open(Platform &platform, QWidget *from, const QString &page);

// Makes F1 in window (and its children) open the page.
void addKey(Platform &platform, QWidget *window, const QString &page);

} // namespace HelpPage
