#!/usr/bin/env bash
# The code checks CI runs besides the tests: every C++ file formatted by the
# committed .clang-format, and clang-tidy clean on the build's compile database.
# Run after ./test, which leaves build/asan/compile_commands.json behind.
set -euo pipefail
cd "$(dirname "$0")/.."

mapfile -t sources < <(git ls-files '*.cpp' '*.h')
clang-format --dry-run --Werror "${sources[@]}"
echo "clang-format: ${#sources[@]} files formatted"

run-clang-tidy -quiet -p build/asan -j "$(nproc)" "$PWD/(src|tests|tools|bench)/" >build/asan/clang-tidy.log 2>&1 || {
  grep -E 'error:|warning:' build/asan/clang-tidy.log | grep -v 'warnings generated' >&2 || cat build/asan/clang-tidy.log >&2
  echo "clang-tidy found problems" >&2
  exit 1
}
echo "clang-tidy: clean"
