#!/bin/bash
# The real binary: pat-run on the sample start folder beyond the outputs of typical_day.sh:
# --utf8 gives the same text, the market is stored, and the two ways a run ends early
# (a script that cannot be written, a PAT folder that does not exist) give status 1; a PAT
# folder without odds files is named.
# $1: the mir_tote binary, $2: the test data folder (unused), $3: the mir_tote_sample binary.
set -u
source "$(dirname "$0")/lib/sample_folder.sh"
run() { "$BIN" --settings MIR_TOTE.ini "$@"; }

run pat-run --market D --format 0 >out.txt 2>err.txt || fail "format 0: status"
[ -s err.txt ] && fail "format 0: unexpected messages: $(cat err.txt)"
run --utf8 pat-run --market D --format=0 >utf8.txt 2>/dev/null
iconv -f CP932 -t UTF-8 out.txt | cmp -s - utf8.txt || fail "--utf8: differs from the CP932 output"
grep -q '^OddsTeam=D' MIR_TOTE.ini || fail "the market is not stored"

# The odds-log folder is gone: one message for the whole run, status 1.
rm -rf LOG
run pat-run --market M --format 1 >/dev/null 2>err.txt
[ $? -eq 1 ] || fail "unwritable script: status"
[ "$(grep -c '^【スクリプトファイル確認】$' err.txt)" -eq 1 ] || fail "unwritable script: one message"

# A PAT folder without odds files is named.
mkdir -p empty && run settings set PatInstFolder empty
run pat-run --market M --format 0 >/dev/null 2>err.txt
[ "$(cat err.txt)" = "【オッズデータ確認】"$'\n'"PATのオッズファイル（ZO-*.JRA）が見つかりません。"$'\n'"$PWD/empty" ] ||
  fail "no odds file: $(cat err.txt)"

run settings set PatInstFolder "$WORK/nowhere"
run pat-run --market M --format 0 >/dev/null 2>err.txt
[ $? -eq 1 ] || fail "missing folder: status"
grep -q '^【PATフォルダ確認】$' err.txt || fail "missing folder: no message"

exit $FAILED
