// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringView>

// How the tester shows a text of the files on one line.
namespace ChatText {

// The text trimmed, each line end (CR LF, CR or LF) and the spaces around it
// one space.
QString oneLine(QStringView text);

} // namespace ChatText
