// SPDX-License-Identifier: GPL-3.0-or-later
#include "Platform.h"

Platform::~Platform() = default;
