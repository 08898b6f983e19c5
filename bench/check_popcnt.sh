#!/usr/bin/env bash
# Checks that the popcnt instruction, which baseline x86-64 processors lack, appears only in the
# search's walk compiled for processors that have it (Walker::extendCounting, chosen at run time),
# and that it does appear there.
#
#   bench/check_popcnt.sh FILE...   (object files, libraries or programs)
set -euo pipefail
status=0
for file in "$@"; do
  listing=$(objdump -d --no-show-raw-insn -C "$file" |
    awk '/^[0-9a-f]+ <.*>:$/ { fn = $0 } /\tpopcnt/ { print fn }' | sort -u)
  stray=$(grep -v 'Walker::extendCounting(' <<<"$listing" || true)
  if [[ -n $stray ]]; then
    echo "$file: popcnt outside the walk chosen at run time:" >&2
    echo "$stray" >&2
    status=1
  elif [[ -z $listing ]]; then
    echo "$file: no popcnt at all: the walk for processors that have it is missing" >&2
    status=1
  else
    echo "$file: popcnt only in $(wc -l <<<"$listing") copies of Walker::extendCounting"
  fi
done
exit $status
