#!/bin/bash
# The real binary: extract with a failing archive first (named, and the next archive still
# handled), from a pipe, and without an archive. Extracting the sample's own archives is the
# first step of typical_day.sh.
# $1: the mir_tote binary, $2: the test data folder, $3: the mir_tote_sample binary.
set -u
DATA=$(realpath "$2")
source "$(dirname "$0")/lib/sample_folder.sh"
run() { "$BIN" --settings MIR_TOTE.ini "$@"; }

cp "$DATA/archive/full.lzh" "$WORK/full.lzh" && printf 'not an archive' >"$WORK/bad.lzh"
run extract "$WORK/bad.lzh" "$WORK/full.lzh" >/dev/null 2>err.txt && fail "bad archive: status 0"
[ "$(cat err.txt)" = $'【確認】\n指定されたファイル【 bad.lzh 】を解凍できませんでした。' ] ||
  fail "bad archive: message: $(cat err.txt)"
[ -s SEISEKI/東京19980516.SEI ] && [ -s SEISEKI/東京19980517.SEI ] ||
  fail "the archive after the failing one: $(ls SEISEKI)"

# A pipe is refused at once, named, and is never waited on.
mkfifo "$WORK/in.LZH"
timeout 20 "$BIN" --settings MIR_TOTE.ini extract "$WORK/in.LZH" >/dev/null 2>err.txt
status=$?
[ $status -eq 1 ] || fail "pipe: status $status"
[ "$(cat err.txt)" = $'【確認】\n指定されたファイル【 in.LZH 】を解凍できませんでした。\n通常のファイルではありません（名前付きパイプ）' ] ||
  fail "pipe: message: $(cat err.txt)"

run extract >/dev/null 2>&1; [ $? -eq 2 ] || fail "no archive: status 2 expected"
exit $FAILED
