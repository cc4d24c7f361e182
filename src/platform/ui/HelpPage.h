// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class Platform;
class QWidget;

// Mindloom's help: the page Docs/Mindloom.htm of the program folder, which F1
// opens from every Mindloom window through the desktop's browser.
namespace HelpPage {

// Docs/Mindloom.htm of the platform's program folder.
QString path(const Platform &platform);

// Opens the page; a page that is missing or that the desktop could not open
// is told in a message box owned by from.
void open(Platform &platform, QWidget *from);

// Makes F1 in window (and its children) open the page.
void addKey(Platform &platform, QWidget *window);

} // namespace HelpPage
