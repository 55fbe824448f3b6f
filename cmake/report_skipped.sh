#!/bin/sh
# Lists the test cases that the last ctest run reported as skipped, each with
# the reason its test gave (the text after GoogleTest's "Skipped" line).
# Usage: report_skipped.sh <build dir>
log="$1/Testing/Temporary/LastTest.log"
[ -f "$log" ] || exit 0
awk '
  /^[0-9]+\/[0-9]+ Test: / { name = $0; sub(/^[0-9]+\/[0-9]+ Test: /, "", name); reason = ""; taking = 0; next }
  /: Skipped$/             { taking = 1; next }
  /^\[  SKIPPED \]/        { taking = 0; next }
  taking && NF             { reason = reason (reason == "" ? "" : " ") $0; next }
  /^Skip regular expression found in output/ || /^Test Skipped/ {
    skipped[++n] = name ": " (reason == "" ? "(no reason given)" : reason)
  }
  END {
    if (n == 0) { print "No test case was skipped."; exit }
    print n " test case(s) skipped:"
    for (i = 1; i <= n; ++i) print "  " skipped[i]
  }
' "$log"
