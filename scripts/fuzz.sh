#!/usr/bin/env bash
# Fuzzing: builds the libFuzzer targets of fuzz/ with clang under AddressSanitizer and UBSan
# (build-fuzz/) and runs each in turn for the given seconds (default 60), one process at a
# time. Seeds come from fuzz/corpus (copied, so found inputs stay out of the repository) and
# from the program's own writers; a crash, leak or sanitizer report stops the run with the
# input saved as build-fuzz/findings/<target>-crash-*.
#   scripts/fuzz.sh            # 60 s per target
#   scripts/fuzz.sh 5          # smoke run
#   scripts/fuzz.sh 3600       # long run
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-60}"
bash scripts/install-deps.sh --fuzz
flags="-fsanitize=address,undefined,fuzzer-no-link -fno-omit-frame-pointer -fno-sanitize-recover=undefined"
cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++-14 \
  -DMIREVO_TESTS=OFF -DMIREVO_FUZZ=ON -DCMAKE_CXX_FLAGS="$flags" \
  -DCMAKE_EXE_LINKER_FLAGS="-fsanitize=address,undefined" >/dev/null
targets=(FuzzXlsx FuzzCommaText FuzzProjectFile FuzzRegistryFile FuzzCompanyFile)
corpora=(xlsx commatext project registry company)
ninja -C build-fuzz -j2 "${targets[@]}" MakeSeeds
work=build-fuzz/corpus
mkdir -p build-fuzz/findings
for c in "${corpora[@]}"; do mkdir -p "$work/$c"; done
cp -rn fuzz/corpus/. "$work"/
build-fuzz/fuzz/MakeSeeds "$work"
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
summary=()
for i in "${!targets[@]}"; do
  t=${targets[$i]}
  dict=()
  [[ $t == FuzzXlsx ]] && dict=(-dict=fuzz/xlsx.dict)
  log=build-fuzz/findings/$t.log
  echo "== $t ($seconds s)"
  if ! build-fuzz/fuzz/$t -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=20 "${dict[@]}" \
       -artifact_prefix="build-fuzz/findings/$t-" "$work/${corpora[$i]}" >"$log" 2>&1; then
    tail -40 "$log"
    echo "FINDING in $t (input in build-fuzz/findings/)" >&2
    exit 1
  fi
  summary+=("$t: $(grep -o 'Done [0-9]* runs in [0-9]* second' "$log" | tail -1)")
done
printf '%s\n' "${summary[@]}"
