#!/usr/bin/env bash
# Installs what is missing, builds the tests with AddressSanitizer and
# UndefinedBehaviorSanitizer, and runs them offscreen.
set -euo pipefail
cd "$(dirname "$0")"
scripts/install-deps
cmake -S . -B build/test -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS_DEBUG="-O1 -g" \
  -DRESAM_TESTS=ON -DRESAM_SANITIZE=ON -DRESAM_WERROR=ON >/dev/null
cmake --build build/test -j2
cd build/test
# Leaks inside system libraries at exit are not ours to fix.
export LSAN_OPTIONS="suppressions=$(cd ../.. && pwd)/tests/lsan.supp"
QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j2
