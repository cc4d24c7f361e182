// SPDX-License-Identifier: GPL-3.0-or-later
// A core header that reaches a widget: the layer check must refuse it.
#include <QLabel>
