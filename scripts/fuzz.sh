#!/usr/bin/env bash
# Builds the fuzz targets (clang with libFuzzer, AddressSanitizer with leak detection, and
# UndefinedBehaviorSanitizer) and runs each for a time budget over its seeds
# (fuzz/corpus/<target>/) and every input that once failed (fuzz/regressions/<target>/).
# A budget of 0 runs those inputs once each and nothing more.
#
# usage: scripts/fuzz.sh [-s SECONDS] [-j JOBS] [-b BUILD_DIR] [--no-build | --build-only] [TARGET...]
# Targets default to every fuzz/*.cpp that defines one. A failing input is kept under
# BUILD_DIR/runs/<target>/artifacts/: once the fault is fixed, add it to fuzz/regressions/<target>/.
# BUILD_DIR/runs/<target>/history has a line per run (runs and seconds).
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
seconds=${FUZZ_SECONDS:-60}
jobs=$(nproc)
build=$root/build-fuzz
mode=all
targets=()
while [ $# -gt 0 ]; do
  case $1 in
    -s) seconds=$2; shift 2 ;;
    -j) jobs=$2; shift 2 ;;
    -b) build=$2; shift 2 ;;
    --no-build) mode=run; shift ;;
    --build-only) mode=build; shift ;;
    -h|--help) sed -n '2,10p' "$0"; exit 0 ;;
    -*) echo "fuzz.sh: unknown option $1" >&2; exit 2 ;;
    *) targets+=("$1"); shift ;;
  esac
done

if [ "$mode" != run ]; then
  cmake -S "$root/fuzz" -B "$build" -G Ninja -DCMAKE_CXX_COMPILER=clang++ >/dev/null
  cmake --build "$build" -j "$jobs"
fi
[ "$mode" = build ] && exit 0

if [ ${#targets[@]} -eq 0 ]; then
  for source in "$root"/fuzz/*.cpp; do
    grep -q LLVMFuzzerTestOneInput "$source" && targets+=("$(basename "$source" .cpp)")
  done
fi

# One target: its own scratch corpus first (libFuzzer adds what it finds there, never to the
# seeds), then the seeds and regressions, which run first, each once.
run_one() {
  local t=$1 work=$build/runs/$1
  local bin=$build/fuzz_$t
  mkdir -p "$work/corpus" "$work/artifacts"
  if [ ! -x "$bin" ]; then
    echo "$t: FAILED: $bin is not built (scripts/fuzz.sh --build-only)" >"$work/summary"
    return 1
  fi
  local dirs=("$work/corpus")
  for kind in corpus regressions; do
    [ -d "$root/fuzz/$kind/$t" ] && dirs+=("$root/fuzz/$kind/$t")
  done
  local budget=(-max_total_time="$seconds")
  [ "$seconds" -eq 0 ] && budget=(-runs=0)
  local started=$SECONDS rc=0
  ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1} UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1} \
    "$bin" -timeout=1 -detect_leaks=1 -max_len=2048 -print_final_stats=1 "${budget[@]}" \
    -artifact_prefix="$work/artifacts/" "${dirs[@]}" >"$work/log" 2>&1 || rc=$?
  local runs elapsed=$((SECONDS - started))
  runs=$(awk '/stat::number_of_executed_units/ {print $2}' "$work/log" | tail -1)
  runs=${runs:-0}
  # Every run adds a line, so that the runs a target has had add up across sessions.
  echo "$(date -u +%FT%TZ) exit=$rc runs=$runs seconds=$elapsed" >>"$work/history"
  if [ $rc -eq 0 ]; then
    echo "$t: ok, $runs runs in $elapsed s ($((runs / (elapsed > 0 ? elapsed : 1)))/s)" >"$work/summary"
  else
    { echo "$t: FAILED (exit $rc) after $runs runs; input kept in $work/artifacts/"
      grep -E 'ERROR|DIFFERENCE|runtime error|got:|expected:|artifact_prefix|Test unit written' "$work/log" | head -20
      echo "  full log: $work/log"; } >"$work/summary"
  fi
  return $rc
}

failed=0
pids=()
names=()
for t in "${targets[@]}"; do
  while [ "$(jobs -rp | wc -l)" -ge "$jobs" ]; do wait -n || true; done
  run_one "$t" &
  pids+=($!)
  names+=("$t")
done
for i in "${!pids[@]}"; do
  wait "${pids[$i]}" || failed=$((failed + 1))
  cat "$build/runs/${names[$i]}/summary"
done
echo "fuzz: $((${#targets[@]} - failed)) passed, $failed failed"
[ $failed -eq 0 ]
