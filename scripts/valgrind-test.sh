#!/usr/bin/env bash
# Runs one test program under valgrind's memcheck (the test wrapper of
# scripts/valgrind.sh). Fails on any memcheck error or leak, and on a crash.
#
# An assertion failure alone does not fail here: valgrind emulates the x87
# unit with 64-bit doubles, so the tests of extended-precision arithmetic
# (80-bit long double intermediates) cannot pass under it. Assertions are
# checked by the native and sanitized runs; this run is about memory. Such
# failures are reported on the test's output.
valgrind --error-exitcode=99 --leak-check=full --errors-for-leak-kinds=definite,indirect \
  --suppressions="$(dirname "$0")/valgrind.supp" -q "$@"
status=$?
case $status in
  0) exit 0 ;;
  99) echo "memcheck: errors or leaks (see above)"; exit 1 ;;
  1) echo "note: an assertion failed under valgrind's 64-bit x87 emulation; memcheck found nothing"; exit 0 ;;
  *) exit "$status" ;;
esac
