#!/usr/bin/env bash
# Builds the fuzz targets with clang, libFuzzer, AddressSanitizer and UndefinedBehaviorSanitizer
# in build-fuzz/ and runs each for SECONDS (default 60). Fails when any target finds a crash, a
# leak, undefined behaviour or an input that takes over 10 s; the input is kept in
# build-fuzz/findings/. What each target finds new is kept in build-fuzz/corpus/ for the next run.
#   tools/fuzz.sh [SECONDS]
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
tools/setup.sh fuzz

build=build-fuzz
cmake -S . -B "$build" -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ -DVORLEN_FUZZ=ON -DVORLEN_TESTS=OFF \
  -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
# Each target with its seeds: the generated pictures and sounds, the engine tool's positions, the
# recorded sessions and a few UCI conversations.
targets=(fuzz-tga-headless fuzz-tga-sdl fuzz-wav fuzz-engine-text fuzz-session-text fuzz-uci-loop)
seeds=("$build/bin/Graph" "$build/bin/Graph" "$build/bin/Sound" tools/fuzz/seeds/engine tests/sessions tools/fuzz/seeds/uci)
nice cmake --build "$build" -j 2 --target "${targets[@]}" vorlen_assets

failed=()
mkdir -p "$build/findings"
for i in "${!targets[@]}"; do
  target=${targets[$i]}
  mkdir -p "$build/corpus/$target"
  echo "== $target for ${seconds}s"
  if ! nice "$build/bin/$target" -max_total_time="$seconds" -timeout=10 -print_final_stats=1 \
      -artifact_prefix="$build/findings/$target-" "$build/corpus/$target" "${seeds[$i]}" 2>"$build/$target.log"; then
    failed+=("$target")
    tail -n 40 "$build/$target.log" >&2
  fi
  grep -E '^stat::number_of_executed_units|^stat::peak_rss_mb' "$build/$target.log" || true
done
if [ ${#failed[@]} -gt 0 ]; then
  echo "fuzzing found faults in: ${failed[*]} (inputs in $build/findings/)" >&2
  exit 1
fi
