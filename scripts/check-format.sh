#!/usr/bin/env bash
# Fails when a C or C++ source of the tree is not formatted as .clang-format says.
# Reformat with:  git ls-files '*.cpp' '*.h' '*.c' | xargs clang-format -i
set -euo pipefail
cd "$(dirname "$0")/.."
git ls-files '*.cpp' '*.h' '*.c' | xargs clang-format --dry-run --Werror
echo "check-format: every source is formatted"
