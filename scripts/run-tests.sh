#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is missing, then builds the kit as it ships and checks an
# install and its package; builds it again with AddressSanitizer and
# UndefinedBehaviorSanitizer, with the benchmarks, and runs every test there,
# where any report fails the run; last, the file readers' fuzz targets run for
# a few seconds each, and a crash or a broken property fails the run. Widget
# tests use the offscreen platform.
#
# The tests run once, in the sanitizer build: building them twice took more
# than half of the run. The README shows how to run them on a normal build.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1:strict_string_checks=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
export LSAN_OPTIONS=suppressions="$PWD/scripts/lsan.supp"
jobs=$(nproc)

# Both builds precompile Qt's common headers: a clean build spent a quarter of
# its time reading them again for every file. Builds without it (the default,
# and what packagers get) are the ones that show a missing include.
cmake -S . -B build-release -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DMINDLOOM_BUILD_TESTS=OFF \
  -DMINDLOOM_BUILD_BENCH=OFF -DMINDLOOM_PRECOMPILE_HEADERS=ON
cmake --build build-release -j "$jobs"
scripts/check-install.sh build-release

# Line tables are all a sanitizer's report needs, and cheaper to build than
# full debug information. The benchmarks are built here, where the test
# support they share is built anyway: CI only checks that they build, and an
# optimised build of them took longer.
cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS_DEBUG=-g1 -DMINDLOOM_SANITIZE=ON \
  -DMINDLOOM_BUILD_BENCH=ON -DMINDLOOM_PRECOMPILE_HEADERS=ON
cmake --build build-asan -j "$jobs"
ctest --test-dir build-asan --output-on-failure -j "$jobs"

cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
  -DMINDLOOM_FUZZ=ON -DMINDLOOM_BUILD_TESTS=OFF -DMINDLOOM_BUILD_BENCH=OFF
cmake --build build-fuzz -j "$jobs" --target fuzz
fuzz/run-fuzz.sh build-fuzz "${MINDLOOM_FUZZ_SECONDS:-5}"
