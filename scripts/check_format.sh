#!/usr/bin/env bash
# Fails, naming the places, when a C or C++ file under version control is not laid out as
# clang-format lays it out (.clang-format). `clang-format -i FILE` mends one.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
git ls-files -z '*.cpp' '*.h' '*.c' | xargs -0 clang-format --dry-run --Werror
