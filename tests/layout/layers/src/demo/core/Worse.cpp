// SPDX-License-Identifier: GPL-3.0-or-later
// A core source that includes a window header: the layer check must refuse it.
#include "Window.h"
