#!/usr/bin/env bash
# The whole test suite under AddressSanitizer, UndefinedBehaviorSanitizer and LeakSanitizer
# (build/asan): the same as scripts/test.sh --sanitize. Arguments go to ctest.
exec "$(dirname "${BASH_SOURCE[0]}")/test.sh" --sanitize "$@"
