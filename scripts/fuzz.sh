#!/usr/bin/env bash
# Builds the fuzz targets and runs each for a bounded time (FUZZ_SECONDS, default 60), FUZZ_JOBS
# (default two) at a time, on a working corpus grown from its seeds in tests/fuzz/corpus/. A
# broken property, a crash, a hang or runaway memory fails the step; the input that did it is
# kept in build/fuzz/findings/ and belongs in tests/fuzz/corpus/<target>/ as a regression case.
# With --coverage it instead reports the source coverage the working corpora reach.
# With --long [SECONDS] each target runs until 10 million executions or SECONDS (default 600),
# whichever comes first, and a table of executions, edges and corpus sizes is written to
# build/fuzz/long-run.md. Long runs explore with the fuzz-explore build, which has no
# sanitizers and so runs several times faster; every input they keep is then replayed under
# the sanitized fuzz build, which fails the step on any fault it finds there.
set -euo pipefail
cd "$(dirname "$0")/.."

# Every target has its seed corpus, which the unit tests replay; its folder names the target.
mapfile -t targets < <(cd tests/fuzz/corpus && ls -d -- *)
seconds=${FUZZ_SECONDS:-60}
jobs_at_once=${FUZZ_JOBS:-2}
build=build/fuzz
limits=()
presets=(fuzz)
if [[ ${1:-} == --long ]]; then
  seconds=${2:-600}
  limits=(-runs=10000000)
  presets+=(fuzz-explore)
fi
explorer=build/${presets[-1]}
# A list reaches its 200-record limit within 402 bytes ("#" and a line feed per record), so
# longer inputs find nothing more there and only make every run slower.
declare -A max_len=([point_list_reader]=1024 [conversion]=1024)

if [[ ${1:-} == --coverage ]]; then
  coverage=build/fuzz-coverage
  cmake --preset fuzz -B "$coverage" -DCMAKE_EXE_LINKER_FLAGS= \
    -DCMAKE_CXX_FLAGS="-fsanitize=fuzzer-no-link -fprofile-instr-generate -fcoverage-mapping" \
    >/dev/null
  cmake --build "$coverage" --target "${targets[@]/#/fuzz_}" >/dev/null
  rm -f "$coverage"/*.profraw
  binaries=()
  for target in "${targets[@]}"; do
    mkdir -p "$build/corpus/$target"
    LLVM_PROFILE_FILE="$coverage/$target.profraw" "$coverage/tests/fuzz/fuzz_$target" -runs=0 \
      "$build/corpus/$target" "tests/fuzz/corpus/$target" >/dev/null 2>&1
    binaries+=(-object "$coverage/tests/fuzz/fuzz_$target")
  done
  llvm-profdata merge -o "$coverage/all.profdata" "$coverage"/*.profraw
  llvm-cov report "${binaries[@]:1}" -instr-profile="$coverage/all.profdata" \
    $(git ls-files "text/*.cpp" "unitfile/*.cpp" "formats/*.cpp" "engine/*.cpp")
  exit
fi

for preset in "${presets[@]}"; do
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset"
done
mkdir -p "$build/findings"

fuzz() {
  local target=$1
  local options=("${limits[@]}")
  [[ -n ${max_len[$target]:-} ]] && options+=(-max_len="${max_len[$target]}")
  mkdir -p "$build/corpus/$target"
  rm -f "$build/$target.replay.log"
  # Wall and processor seconds: on a shared machine the second tells the target's own speed.
  /usr/bin/time -o "$build/$target.time" -f '%e %U %S' \
    "$explorer/tests/fuzz/fuzz_$target" "${options[@]}" -max_total_time="$seconds" \
    -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/findings/$target-" \
    "$build/corpus/$target" "tests/fuzz/corpus/$target" >"$build/$target.log" 2>&1 || return
  if [[ $explorer != "$build" ]]; then
    "$build/tests/fuzz/fuzz_$target" -runs=0 -rss_limit_mb=2048 -timeout=10 \
      -artifact_prefix="$build/findings/$target-" "$build/corpus/$target" \
      >"$build/$target.replay.log" 2>&1
  fi
}

declare -A pids
for target in "${targets[@]}"; do
  while (($(jobs -rp | wc -l) >= jobs_at_once)); do wait -n || true; done
  fuzz "$target" &
  pids[$target]=$!
done

failed=0
table="| target | executions | seconds | executions/s | per processor second | edges | features | corpus |
| --- | ---: | ---: | ---: | ---: | ---: | ---: | ---: |"
for target in "${targets[@]}"; do
  if wait "${pids[$target]}"; then
    runs=$(sed -n 's/^stat::number_of_executed_units: //p' "$build/$target.log")
    edges=$(grep -o 'cov: [0-9]*' "$build/$target.log" | tail -n 1)
    features=$(grep -o 'ft: [0-9]*' "$build/$target.log" | tail -n 1)
    # The inputs the fuzzer keeps at the end; the working folder also holds every input
    # that was once new, from every earlier run.
    kept=$(grep -o 'corp: [0-9]*' "$build/$target.log" | tail -n 1)
    read -r took user system <"$build/$target.time"
    printf 'fuzz %-22s %10s runs in %.0fs, %s edges\n' "$target" "$runs" "$took" "${edges#cov: }"
    table+=$(awk -v t="$target" -v n="$runs" -v e="$took" -v c="$user $system" \
      -v cov="${edges#cov: }" -v ft="${features#ft: }" \
      -v units="${kept#corp: }" 'BEGIN {
        split(c, cpu, " ")
        printf "\n| %s | %d | %.0f | %.0f | %.0f | %s | %s | %s |", t, n, e, n / e,
               n / (cpu[1] + cpu[2]), cov, ft, units }')
  else
    echo "fuzz $target FAILED; the input is kept in $build/findings/:"
    grep -E 'property broken|ERROR|SUMMARY|runtime error|Test unit written' "$build/$target".*log |
      head -n 20
    failed=1
  fi
done
if ((${#limits[@]})); then
  echo "$table" >"$build/long-run.md"
  echo "$table"
fi
exit $failed
