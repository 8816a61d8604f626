#!/usr/bin/env bash
# The fuzz targets (fuzz/): a clang build of their own in <build>/fuzz.
#   fuzz.sh build <build> <jobs>          configure when clang can link a fuzz target, build
#   fuzz.sh run <build> <seconds> <jobs> [targets]
#                                         every target (or those named) for <seconds>, <jobs> at a time, at low
#                                         priority, with the words of fuzz/dict; a working corpus
#                                         grows in <build>/fuzz/corpus, inputs that fail land in
#                                         <build>/fuzz/artifacts
set -euo pipefail
cmd=$1 build=$2
out=$(realpath -m "$build/fuzz")
here=$(cd "$(dirname "$0")/.." && pwd)

can_fuzz() {
  command -v clang++ >/dev/null || return 1
  local probe
  probe=$(mktemp -d)
  printf 'extern "C" int LLVMFuzzerTestOneInput(const unsigned char*, unsigned long) { return 0; }\n' >"$probe/p.cpp"
  clang++ -fsanitize=fuzzer,address,undefined "$probe/p.cpp" -o "$probe/p" >/dev/null 2>&1
  local ok=$?
  rm -rf "$probe"
  return $ok
}

case $cmd in
build)
  jobs=$3
  if ! can_fuzz; then
    echo "No clang with libFuzzer (scripts/deps.sh installs it): the fuzz targets are not built."
    exit 0
  fi
  [ -f "$out/build.ninja" ] ||
    cmake -S "$here/fuzz" -B "$out" -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
  cmake --build "$out" -j "$jobs"
  ;;
run)
  seconds=$3 jobs=$4
  [ -f "$out/build.ninja" ] || { echo "The fuzz targets are not built (no clang with libFuzzer)."; exit 1; }
  mkdir -p "$out/corpus" "$out/artifacts" "$out/logs"
  targets=()
  for f in "$here"/fuzz/*.cpp; do targets+=("$(basename "$f" .cpp)"); done
  # Some of them only, when named (`make fuzz FUZZ_TARGETS="styler renderer"`).
  [ -n "${5:-}" ] && read -r -a targets <<<"$5"
  echo "Running ${#targets[@]} targets for ${seconds} s each, ${jobs} at a time."
  printf '%s\n' "${targets[@]}" | xargs -P "$jobs" -I{} sh -c '
    t={}; out='"$out"'; here='"$here"'
    mkdir -p "$out/corpus/$t"
    case $t in renderer|styler) words=markdown ;; *) words=$t ;; esac
    dict=""; [ -f "$here/fuzz/dict/$words.dict" ] && dict="-dict=$here/fuzz/dict/$words.dict"
    cd "$out" && QT_QPA_PLATFORM=offscreen nice -n 19 "./fuzz_$t" -max_total_time='"$seconds"' -timeout=10 \
      -print_final_stats=1 -artifact_prefix="$out/artifacts/$t-" $dict "$out/corpus/$t" "$here/fuzz/corpus/$t" \
      >"$out/logs/$t.log" 2>&1 || true'
  status=0
  for t in "${targets[@]}"; do
    runs=$(grep -o 'stat::number_of_executed_units: *[0-9]*' "$out/logs/$t.log" | grep -o '[0-9]*$' || echo "?")
    found=$(find "$out/artifacts" -name "$t-*" | wc -l)
    printf '%-18s %12s executions  %s\n' "$t" "$runs" "$([ "$found" -gt 0 ] && echo "FAULT: see $out/artifacts/$t-*" || echo ok)"
    [ "$found" -gt 0 ] && status=1
  done
  exit $status
  ;;
esac
