#!/bin/bash
# The real binary: extract over the sample start folder. The sample's archive gives back the
# day's race-card, horse and jockey files that the odds run reads; the test archive adds the
# results; a failing archive is named and the next still handled; bad usage.
# $1: the mir_tote binary, $2: the test data folder.
set -u
BIN=$(realpath "$1")
DATA=$(realpath "$2")
TOOLS=$(cd "$(dirname "$0")/../../tools" && pwd)
WORK=$(mktemp -d)
trap 'rm -rf "$WORK"' EXIT
FAILED=0
fail() { echo "FAIL: $*"; FAILED=1; }

START="$WORK/開始"
python3 "$TOOLS/make_sample_data.py" "$START" >/dev/null || { echo "FAIL: sample data"; exit 1; }
cd "$START" || exit 1
export XDG_CONFIG_HOME="$WORK/config"
run() { "$BIN" --settings s.ini "$@"; }

mv DATA "$WORK/expected" && mkdir DATA
run extract LZH/JV980510.LZH >out.txt 2>err.txt || fail "sample: status"
[ -s out.txt ] || [ -s err.txt ] && fail "sample: unexpected output: $(cat out.txt err.txt)"
diff -r "$WORK/expected" DATA >/dev/null || fail "sample: DATA differs from the sample day"
[ -z "$(ls Work)" ] || fail "sample: Work not emptied: $(ls Work)"
run --utf8 pat-run --market M --format 0 2>/dev/null | grep -c '^【オッズ】東京' | grep -qx 12 ||
  fail "sample: the odds run does not find the 12 race cards"

cp "$DATA/archive/full.lzh" "$WORK/full.lzh" && printf 'not an archive' >"$WORK/bad.lzh"
run extract "$WORK/bad.lzh" "$WORK/full.lzh" >/dev/null 2>err.txt && fail "bad archive: status 0"
[ "$(cat err.txt)" = $'【確認】\n指定されたファイル【 bad.lzh 】を解凍できませんでした。' ] ||
  fail "bad archive: message: $(cat err.txt)"
[ "$(ls SEISEKI)" = $'東京19980516.SEI\n東京19980517.SEI' ] || fail "results: $(ls SEISEKI)"

run extract >/dev/null 2>&1; [ $? -eq 2 ] || fail "no archive: status 2 expected"
exit $FAILED
