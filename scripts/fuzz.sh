#!/usr/bin/env bash
# Builds the libFuzzer targets into build-fuzz (clang, AddressSanitizer, UBSan) and runs each for
# a bounded time, one a core at a time. Usage: scripts/fuzz.sh [seconds per target, default 60] [target...]
# Targets: game_file dictionary viewer options (all by default).
# Each target's corpus grows in build-fuzz/corpus/<target> (seeded from fuzz/corpus/<target>);
# failing inputs land in build-fuzz/artifacts/<target>/ and logs in build-fuzz/logs/. Copy a
# failing input to tests/regressions/<target>/ once it is fixed. Exits non-zero when any target
# failed.
set -euo pipefail
cd "$(dirname "$0")/.."

seconds=${1:-60}
shift || true
if ! [[ $seconds =~ ^[0-9]+$ ]] || ((seconds == 0)); then
  echo "usage: scripts/fuzz.sh [seconds per target] [target...]" >&2
  exit 2
fi
all_targets=(game_file dictionary viewer options)
targets=("$@")
((${#targets[@]})) || targets=("${all_targets[@]}")

declare -A max_len=([game_file]=1024 [dictionary]=2048 [viewer]=40000 [options]=64)
for t in "${targets[@]}"; do
  [[ -n ${max_len[$t]:-} ]] || { echo "unknown fuzz target: $t" >&2; exit 2; }
done

# The compiler and the libFuzzer runtime, and what the build itself needs.
packages=(cmake ninja-build clang-14 libclang-rt-14-dev witalian hunspell-it)
scripts/install_packages.sh "${packages[@]}"

build=build-fuzz
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz -j "$(nproc)" --target "${targets[@]/#/fuzz_}"

export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1:abort_on_error=1}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}
root=$PWD/$build
mkdir -p "$root/logs"

run_target() {
  local t=$1
  local corpus=$root/corpus/$t artifacts=$root/artifacts/$t/
  mkdir -p "$corpus" "$artifacts"
  # The first folder receives new inputs; the seeds are only read.
  "$root/bin/fuzz_$t" "$corpus" "fuzz/corpus/$t" \
    -max_total_time="$seconds" -max_len="${max_len[$t]}" -timeout=30 -rss_limit_mb=2048 \
    -artifact_prefix="$artifacts" -print_final_stats=1 >"$root/logs/$t.log" 2>&1
}

declare -A pid_target=() status=()
report() {
  local t=$1 rc=$2 log=$root/logs/$1.log runs
  status[$t]=$rc
  runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
  if ((rc == 0)); then
    echo "fuzz_$t: ok, ${runs:-?} runs in ${seconds} s"
  else
    echo "fuzz_$t: FAILED (exit $rc), see $log and $root/artifacts/$t/"
    grep -E 'check failed|ERROR: |SUMMARY: |Test unit written' "$log" | head -n 5 || true
  fi
}

# At most one target a core at once.
cores=$(nproc)
for t in "${targets[@]}"; do
  if ((${#pid_target[@]} >= cores)); then
    rc=0
    wait -n -p done_pid "${!pid_target[@]}" || rc=$?
    report "${pid_target[$done_pid]}" "$rc"
    unset "pid_target[$done_pid]"
  fi
  echo "fuzz_$t: running for ${seconds} s"
  run_target "$t" &
  pid_target[$!]=$t
done
while ((${#pid_target[@]})); do
  rc=0
  wait -n -p done_pid "${!pid_target[@]}" || rc=$?
  report "${pid_target[$done_pid]}" "$rc"
  unset "pid_target[$done_pid]"
done

failed=0
for t in "${targets[@]}"; do ((status[$t] == 0)) || failed=1; done
exit "$failed"
