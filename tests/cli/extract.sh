#!/bin/bash
# The real binary: extract with a failing archive first (named, and the next archive still
# handled) and without an archive. Extracting the sample's own archives is the first step of
# typical_day.sh.
# $1: the mir_tote binary, $2: the test data folder, $3: the mir_tote_sample binary.
set -u
BIN=$(realpath "$1")
DATA=$(realpath "$2")
WORK=$(mktemp -d)
trap 'rm -rf "$WORK"' EXIT
FAILED=0
fail() { echo "FAIL: $*"; FAILED=1; }

"$3" start "$WORK/開始" && cd "$WORK/開始" || { echo "FAIL: sample start folder"; exit 1; }
export XDG_CONFIG_HOME="$WORK/config"
run() { "$BIN" --settings MIR_TOTE.ini "$@"; }

cp "$DATA/archive/full.lzh" "$WORK/full.lzh" && printf 'not an archive' >"$WORK/bad.lzh"
run extract "$WORK/bad.lzh" "$WORK/full.lzh" >/dev/null 2>err.txt && fail "bad archive: status 0"
[ "$(cat err.txt)" = $'【確認】\n指定されたファイル【 bad.lzh 】を解凍できませんでした。' ] ||
  fail "bad archive: message: $(cat err.txt)"
[ -s SEISEKI/東京19980516.SEI ] && [ -s SEISEKI/東京19980517.SEI ] ||
  fail "the archive after the failing one: $(ls SEISEKI)"

run extract >/dev/null 2>&1; [ $? -eq 2 ] || fail "no archive: status 2 expected"
exit $FAILED
