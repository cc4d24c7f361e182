#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is missing, then builds and runs every test twice: a normal
# build, and one with AddressSanitizer and UndefinedBehaviorSanitizer, where
# any report fails the run. Widget tests use the offscreen platform. The normal
# build is also installed, checked and packaged. Last, the file readers' fuzz
# targets run for a few seconds each; a crash or a broken property fails the
# run.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1:strict_string_checks=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
export LSAN_OPTIONS=suppressions="$PWD/scripts/lsan.supp"
jobs=$(nproc)

cmake -S . -B build-test -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DMINDLOOM_BUILD_BENCH=ON
cmake --build build-test -j "$jobs"
ctest --test-dir build-test --output-on-failure -j "$jobs"
scripts/check-install.sh build-test

cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DMINDLOOM_SANITIZE=ON -DMINDLOOM_BUILD_BENCH=OFF
cmake --build build-asan -j "$jobs"
ctest --test-dir build-asan --output-on-failure -j "$jobs"

cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
  -DMINDLOOM_FUZZ=ON -DMINDLOOM_BUILD_TESTS=OFF -DMINDLOOM_BUILD_BENCH=OFF
cmake --build build-fuzz -j "$jobs" --target fuzz
fuzz/run-fuzz.sh build-fuzz "${MINDLOOM_FUZZ_SECONDS:-5}"
