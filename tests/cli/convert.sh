#!/bin/bash
# The real binary: the conversions on the sample start folder beyond typical_day.sh: the
# odds run reads their pseudo-PAT files as PAT's own, the PAT31 layout names every day "1",
# and an unknown PAT type, a missing file, a log without odds and bad usage end the command;
# odds-history on a start folder without a history ends with status 1 naming the store.
# $1: the mir_tote binary, $2: the test data folder (unused), $3: the mir_tote_sample binary.
set -u
source "$(dirname "$0")/lib/sample_folder.sh"
run() { "$BIN" --settings MIR_TOTE.ini "$@"; }

rm -f PSEUDO/* && run settings set PatType ""
run convert-log LOG/KORVAN0510.ODS >/dev/null 2>err.txt
[ $? -eq 1 ] && [ "$(cat err.txt)" = $'【処理中止】\nPAT種別が不明です。' ] || fail "no PAT type"
[ -z "$(ls PSEUDO)" ] || fail "no PAT type: files written"

run odds-history --list >/dev/null 2>err.txt
[ $? -eq 1 ] && grep -q "^ファイル：$PWD/MIR_TOTE_HISTORY.sqlite$" err.txt || fail "no history: $(cat err.txt)"

run settings set PatType PAT95
run convert-log LOG/KORVAN0510.ODS >/dev/null 2>&1 || fail "convert-log: status"
run settings set PatInstFolder PSEUDO
run --utf8 pat-run --market M --format 0 2>/dev/null | grep -c '^【オッズ】' | grep -qx 24 ||
  fail "the odds run does not read the 24 pseudo-PAT races"

rm -f PSEUDO/* && run settings set PatType PAT31
run convert-csv TARGET/OD980510.CSV >/dev/null 2>&1 || fail "convert-csv: status"
[ "$(ls PSEUDO/ZO-51?.JRA PSEUDO/ZO-81?.JRA | wc -l)" -eq 24 ] || fail "PAT31 names: $(ls PSEUDO)"

run convert-csv TARGET/OD980510.CSV TARGET/OD980511.CSV >/dev/null 2>err.txt
[ $? -eq 1 ] || fail "missing file: status"
grep -q "^ファイル：$PWD/TARGET/OD980511.CSV$" err.txt || fail "missing file: $(cat err.txt)"
printf 'talk\r\n' >talk.ODS
run convert-log talk.ODS >/dev/null 2>err.txt
[ $? -eq 1 ] && [ "$(cat err.txt)" = "【確認】"$'\n'"ファイル：$PWD/talk.ODS"$'\n'"オッズが見つかりませんでした。" ] ||
  fail "a log without odds: $(cat err.txt)"
run convert-log >/dev/null 2>&1
[ $? -eq 2 ] || fail "no file: status"

exit $FAILED
