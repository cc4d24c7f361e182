// SPDX-License-Identifier: GPL-3.0-or-later
// A window header, which only the ui/ layer may include.
#include <QWidget>
