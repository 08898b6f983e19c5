#!/usr/bin/env bash
# Compares the search of two builds, run by turns so that both meet the same load on the machine.
#
#   bench/compare_builds.sh OLD_search_regimes NEW_search_regimes WORDLIST [ROUNDS] [-- ARGS...]
#
# Each round runs both programs once (search_regimes, built from the same source against each
# build's libraries), the old one first in even rounds and the new one first in odd rounds; ARGS
# go to both. Prints every round, then for each measure the median, lowest and highest of each
# build and the median of the round-by-round ratios new ÷ old. Both builds must find the same
# words, or the comparison stops. Set RUN_PREFIX to run both under e.g. "taskset -c 1 nice -n -5".
set -euo pipefail
if [[ $# -lt 3 ]]; then
  sed -n '2,11p' "$0" >&2
  exit 2
fi
old=$1 new=$2 dict=$3 rounds=15
if [[ ${4:-} =~ ^[0-9]+$ ]]; then
  rounds=$4
  shift 4
else
  shift 3
fi
if [[ ${1:-} == -- ]]; then shift; fi
read -r -a prefix <<<"${RUN_PREFIX:-}"

results=$(mktemp)
trap 'rm -f "$results"' EXIT
run() {  # label, binary, ARGS
  local line
  line=$("${prefix[@]}" "$2" --dict "$dict" "${@:3}") || { echo "$2 failed: $line" >&2; exit 1; }
  echo "$1 $line" | tee -a "$results"
}
for ((r = 0; r < rounds; ++r)); do
  echo "round $r" >&2
  if ((r % 2 == 0)); then
    run old "$old" "$@"
    run new "$new" "$@"
  else
    run new "$new" "$@"
    run old "$old" "$@"
  fi
done

awk '
  function median(list, n,   sorted, i, j, t) {
    for (i = 1; i <= n; ++i) sorted[i] = list[i]
    for (i = 2; i <= n; ++i)
      for (j = i; j > 1 && sorted[j - 1] > sorted[j]; --j) {
        t = sorted[j]; sorted[j] = sorted[j - 1]; sorted[j - 1] = t
      }
    return n % 2 ? sorted[(n + 1) / 2] : (sorted[n / 2] + sorted[n / 2 + 1]) / 2
  }
  {
    build = $1
    ++count[build]
    for (i = 2; i <= NF; ++i) {
      split($i, kv, "=")
      value[build, kv[1], count[build]] = kv[2]
      if (build == "old") keys[kv[1]] = 1
    }
  }
  END {
    n = count["old"] < count["new"] ? count["old"] : count["new"]
    for (r = 1; r <= n; ++r)
      if (value["old", "words", r] != value["new", "words", r]) {
        print "the builds found different words in round " r; exit 1
      }
    printf "%-12s %12s %12s %12s %12s %12s %12s %10s\n", "measure", "old median", "old low", \
      "old high", "new median", "new low", "new high", "new/old"
    for (k in keys) {
      if (k == "words") continue
      for (b = 0; b < 2; ++b) {
        build = b ? "new" : "old"
        lo[build] = hi[build] = value[build, k, 1]
        for (r = 1; r <= n; ++r) {
          v[r] = value[build, k, r]
          if (v[r] < lo[build]) lo[build] = v[r]
          if (v[r] > hi[build]) hi[build] = v[r]
        }
        med[build] = median(v, n)
      }
      for (r = 1; r <= n; ++r) ratio[r] = value["old", k, r] ? value["new", k, r] / value["old", k, r] : 0
      printf "%-12s %12g %12g %12g %12g %12g %12g %10.3f\n", k, med["old"], lo["old"], hi["old"], \
        med["new"], lo["new"], hi["new"], median(ratio, n)
    }
    print n " rounds"
  }' "$results"
