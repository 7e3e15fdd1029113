#!/bin/bash
# The real binary: convert-log and convert-csv on the sample meeting day written by
# tools/make_sample_data.py, whose FILE folder holds a forum odds log and an odds CSV file.
# The pseudo-PAT files are the golden ones of the core tests, and the odds run reads them
# back; exit status for an unknown PAT type, a missing file, bad usage.
# $1: the mir_tote binary, $2: the test data folder.
set -u
BIN=$(realpath "$1")
GOLDEN="$2/convert"
TOOLS=$(cd "$(dirname "$0")/../../tools" && pwd)
WORK=$(mktemp -d)
trap 'rm -rf "$WORK"' EXIT
FAILED=0
fail() { echo "FAIL: $*"; FAILED=1; }

START="$WORK/開始"
python3 "$TOOLS/make_sample_data.py" "$START" >/dev/null || { echo "FAIL: sample data"; exit 1; }
cd "$START" || exit 1
export XDG_CONFIG_HOME="$WORK/config"
run() { "$BIN" --settings "$START/s.ini" "$@"; }

# No PAT type chosen yet: nothing converted, one message, status 1.
run convert-log FILE/KORVAN0510.ODS >out.txt 2>err.txt
[ $? -eq 1 ] || fail "no PAT type: status"
[ "$(cat err.txt)" = $'【処理中止】\nPAT種別が不明です。' ] || fail "no PAT type: $(cat err.txt)"

run settings set PatType PAT95
run settings set PatFileFolder PSEUDO
mkdir PSEUDO
# The log: seven races, one end message.
run convert-log FILE/KORVAN0510.ODS >/dev/null 2>err.txt || fail "convert-log: status"
[ "$(cat err.txt)" = $'【確認】\n処理終了しました' ] || fail "convert-log: $(cat err.txt)"
diff -r PSEUDO "$GOLDEN/log_PAT95" >/dev/null || fail "convert-log: not the golden files"

# The odds run reads the pseudo-PAT files as PAT's own: seven races of the sample day.
run settings set PatInstFolder PSEUDO
run pat-run --market M --format 0 >odds.txt 2>/dev/null || fail "odds run: status"
[ "$(iconv -f CP932 -t UTF-8 odds.txt | grep -c '^【オッズ】東京')" -eq 7 ] ||
  fail "odds run: seven races expected"

# The CSV in the PAT31 layout, race cards from DATA: files of day "1", one end message.
rm -f PSEUDO/*
run settings set PatType PAT31
run convert-csv FILE/OD980510.CSV >/dev/null 2>err.txt || fail "convert-csv: status"
[ "$(cat err.txt)" = $'【確認】\n処理終了しました' ] || fail "convert-csv: $(cat err.txt)"
[ "$(ls PSEUDO | tr '\n' ' ')" = "UO-51A.JRA UO-51B.JRA ZO-511.JRA ZO-51A.JRA ZO-51B.JRA " ] ||
  fail "convert-csv: files $(ls PSEUDO)"

# A second file that is missing: a message naming it, status 1.
run convert-csv FILE/OD980510.CSV FILE/OD980511.CSV >/dev/null 2>err.txt
[ $? -eq 1 ] || fail "missing file: status"
grep -q "^ファイル：$START/FILE/OD980511.CSV$" err.txt || fail "missing file: $(cat err.txt)"

# Bad usage: status 2.
run convert-log >/dev/null 2>&1
[ $? -eq 2 ] || fail "no file: status"

exit $FAILED
