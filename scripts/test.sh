#!/usr/bin/env bash
# Builds dms2dd and runs every test: the normal build with warnings as
# errors, then the same suite built with clang under AddressSanitizer and
# UndefinedBehaviorSanitizer, with the bounded fuzz run.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/setup.sh test
jobs=$(nproc)

# Tests on, also in a build folder that the run command configured without.
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DDMS2DD_WERROR=ON -DBUILD_TESTING=ON
cmake --build build -j"$jobs"

cmake -S . -B build-sanitize -DCMAKE_BUILD_TYPE=RelWithDebInfo -DDMS2DD_WERROR=ON \
    -DCMAKE_CXX_COMPILER=clang++ -DDMS2DD_SANITIZE=ON -DDMS2DD_FUZZ=ON -DBUILD_TESTING=ON
cmake --build build-sanitize -j"$jobs"

# The package is made from the normal build only.
ctest --test-dir build-sanitize --output-on-failure -j"$jobs" -LE package
ctest --test-dir build --output-on-failure -j"$jobs"
