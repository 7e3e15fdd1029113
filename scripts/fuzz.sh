#!/usr/bin/env bash
# Builds the libFuzzer targets of fuzz/ with clang, AddressSanitizer and
# UndefinedBehaviorSanitizer, and runs each for SECONDS seconds (default 60) from seeds made
# of the sample data. The corpus grows in build-fuzz/corpus/<target>; an input that crashes
# a target is kept in build-fuzz/artifacts/ and fails the script.
# Usage: bash scripts/fuzz.sh [SECONDS]
set -euo pipefail
cd "$(dirname "$0")/.."
SECONDS_EACH=${1:-60}
BUILD=build-fuzz

cmake -S . -B "$BUILD" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
  -DMIRTOTE_FUZZ=ON -DMIRTOTE_BUILD_GUI=OFF -DMIRTOTE_BUILD_TESTS=OFF -DMIRTOTE_BUILD_BENCH=OFF >/dev/null
cmake --build "$BUILD" -j"$(nproc)"

WORK=$(mktemp -d)
trap 'rm -rf "$WORK"' EXIT
"$BUILD/mir_tote_sample" start "$WORK/sample" >/dev/null
DATA="$WORK/sample/DATA"
PAT="$WORK/sample/PAT"
SEP=$'\n--MIRTOTE-FILE--\n'  # fuzz::kFileSeparator

# Seeds: the sample's files, joined as each target reads them.
seed() {  # seed TARGET NAME FILE...
  local dir="$WORK/seeds/$1" name=$2 first=1
  shift 2
  mkdir -p "$dir"
  for part in "$@"; do
    [ $first -eq 1 ] || printf '%s' "$SEP" >>"$dir/$name"
    first=0
    cat "$part" >>"$dir/$name"
  done
}
cut_records() {  # cut_records FILE LENGTH COUNT OUT
  head -c $(($2 * $3)) "$1" >"$4"
}
for zo in "$PAT"/ZO-*.JRA; do
  uo="$PAT/UO-${zo##*/ZO-}"
  if [ -f "$uo" ]; then seed pat_file "${zo##*/}" "$zo" "$uo"; else seed pat_file "${zo##*/}" "$zo"; fi
done
cut_records "$DATA/東京19980510.DEN" 584 2 "$WORK/cards"
cut_records "$DATA/東京19980510.UMA" 1825 18 "$WORK/horses"
cut_records "$DATA/騎手.DAT" 1065 20 "$WORK/jockeys"
seed records day "$WORK/cards" "$WORK/horses" "$WORK/jockeys" "$PAT/ZO-581.JRA"
seed records short "$WORK/cards" "$WORK/horses"
CONVERT=tests/data/convert
seed forum_log forum "$CONVERT/forum.ODS"
seed forum_log sample "$WORK/sample/LOG/KORVAN0510.ODS"
seed odds_csv csv "$CONVERT/OD980510.CSV"
seed odds_csv sample "$WORK/sample/TARGET/OD980510.CSV"
seed odds_csv csv_cards "$CONVERT/OD980510.CSV" "$WORK/cards"
while IFS= read -r lzh; do
  seed archive "${lzh##*/}" "$lzh"
done < <(find tests/data/archive "$WORK/sample" -iname '*.lzh')

mkdir -p "$BUILD/artifacts"
status=0
for target in "$BUILD"/fuzz/fuzz_*; do
  name=${target##*/fuzz_}
  corpus="$BUILD/corpus/$name"
  mkdir -p "$corpus" "$WORK/seeds/$name"
  echo "== fuzz_$name: $SECONDS_EACH s"
  "$target" -max_total_time="$SECONDS_EACH" -timeout=10 -rss_limit_mb=2048 -max_len=65536 \
    -print_final_stats=1 -artifact_prefix="$BUILD/artifacts/$name-" \
    "$corpus" "$WORK/seeds/$name" 2>"$WORK/$name.log" || {
    status=1
    tail -n 60 "$WORK/$name.log"
  }
  grep -E '^(stat::number_of_executed_units|stat::peak_rss_mb|#[0-9]+ *DONE)' "$WORK/$name.log" || true
done
exit $status
