#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is missing, builds, and starts Mindloom from its program folder.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DMINDLOOM_BUILD_TESTS=OFF -DMINDLOOM_BUILD_BENCH=OFF
cmake --build build
exec build/program/Mindloom "$@"
