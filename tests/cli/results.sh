#!/bin/bash
# The real binary: the results commands over the sample meeting day and its results
# (tools/make_sample_data.py, tools/make_sample_results.py), extracted from the sample
# results archive: the date list, one race's report, the day payout table, the PAT results
# import, and their failures.
# $1: the mir_tote binary, $2: the test data folder (unused).
set -u -o pipefail
BIN=$(realpath "$1")
TOOLS=$(cd "$(dirname "$0")/../../tools" && pwd)
WORK=$(mktemp -d)
trap 'rm -rf "$WORK"' EXIT
FAILED=0
fail() { echo "FAIL: $*"; FAILED=1; }

START="$WORK/開始"
python3 "$TOOLS/make_sample_data.py" "$START" >/dev/null &&
  python3 "$TOOLS/make_sample_results.py" "$START" >/dev/null || { echo "FAIL: sample data"; exit 1; }
cd "$START" || exit 1
export XDG_CONFIG_HOME="$WORK/config"
run() { "$BIN" --settings s.ini "$@"; }
utf8() { iconv -f CP932 -t UTF-8 "$1" | tr -d '\r'; }  # lines without their CR

run extract LZH/SE980510.LZH >/dev/null 2>&1 || fail "extract: status"
run results-dates >out.txt 2>err.txt || fail "dates: status"
[ "$(utf8 out.txt)" = "1998年 5月10日" ] || fail "dates: $(utf8 out.txt)"

# Race 3: a dead heat for 2nd; CP932 as the viewer saves it.
run results-race --date 19980510 --venue 東京 --race 3 >race.txt 2>err.txt || fail "race: status"
[ -s err.txt ] && fail "race: unexpected messages: $(cat err.txt)"
utf8 race.txt >race8.txt || fail "race: not CP932"
[ "$(grep -c '^ 2着' race8.txt)" -eq 2 ] || fail "race: two horses in 2nd place expected"
grep -q '^ (同　着)      3- 8   1240円' race8.txt || fail "race: quinella dead heat line"
[ "$(tail -c 4 race.txt | od -An -c | tr -d ' ')" = '\r\n\r\n' ] || fail "race: save ending"

# The day: race 3 marked with its dead-heat row, race 10's refunds, races 7-12 only.
run results-day --date 19980510 --venues 東京 --races 3,7-12 >day.txt 2>/dev/null || fail "day: status"
utf8 day.txt >day8.txt
[ "$(grep -c 'R|' day8.txt)" -eq 7 ] || fail "day: seven race rows expected"
grep -q '^\* 3R|' day8.txt && grep -q '※同着   $' day8.txt || fail "day: dead heat rows"
grep -q '^ 10R|.*|      2,9$' day8.txt || fail "day: refund cell"

# The PAT results import prints the posted text of the chosen race.
run pat-run --market S --format 0 --races 11 >ks.txt 2>/dev/null || fail "import: status"
utf8 ks.txt | head -1 | grep -q '^///1998051030581113111///  *取消・除外馬番 : 17$' ||
  fail "import: data line"

# No horse file for the venue: the viewer's text, status 1; bad usage: status 2.
run results-race --date 19980510 --venue 京都 --race 1 >out.txt 2>/dev/null
[ $? -eq 1 ] && [ "$(utf8 out.txt | head -1)" = '競走馬ファイルがありません' ] || fail "no horse file"
for args in "--date 1998051 --venue 東京 --race 1" "--date 19980510 --venue 大井 --race 13"; do
  # shellcheck disable=SC2086
  run results-race $args >out.txt 2>/dev/null
  [ $? -eq 2 ] || fail "bad usage '$args': status"
done
run results-day --date 19980510 --venues 東京,大井 >/dev/null 2>&1
[ $? -eq 2 ] || fail "bad venue list: status"

# A day without the venue's file, and no results file at all: a message, status 1.
run results-day --date 19980510 --venues 京都 >out.txt 2>err.txt
[ $? -eq 1 ] && grep -q '^【確認】$' err.txt && [ ! -s out.txt ] || fail "missing day file"
rm SEISEKI/*
run results-dates >out.txt 2>err.txt
[ $? -eq 1 ] && grep -q '^解凍済みの成績ファイルが存在しません。' err.txt || fail "no results files"

exit $FAILED
