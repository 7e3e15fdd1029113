#!/bin/bash
# The real binary: the results commands where they end early (the reports themselves are
# golden files of typical_day.sh): a missing horse file, a missing day file, no results files
# at all, bad usage.
# $1: the mir_tote binary, $2: the test data folder (unused), $3: the mir_tote_sample binary.
set -u -o pipefail
source "$(dirname "$0")/lib/sample_folder.sh"
run() { "$BIN" --settings MIR_TOTE.ini --utf8 "$@"; }

rm DATA/京都19980510.UMA
run results-race --date 19980510 --venue 京都 --race 1 >out.txt 2>/dev/null
[ $? -eq 1 ] && [ "$(head -1 out.txt | tr -d '\r')" = '競走馬ファイルがありません' ] || fail "no horse file"
for args in "--date 1998051 --venue 東京 --race 1" "--date 19980510 --venue 大井 --race 13"; do
  # shellcheck disable=SC2086
  run results-race $args >out.txt 2>/dev/null
  [ $? -eq 2 ] || fail "bad usage '$args': status"
done
run results-day --date 19980510 --venues 東京,大井 >/dev/null 2>&1
[ $? -eq 2 ] || fail "bad venue list: status"

rm SEISEKI/京都19980510.SEI
run results-day --date 19980510 --venues 京都 >out.txt 2>err.txt
[ $? -eq 1 ] && grep -q '^【確認】$' err.txt && [ ! -s out.txt ] || fail "missing day file"
rm SEISEKI/*
run results-dates >out.txt 2>err.txt
[ $? -eq 1 ] && grep -q '^解凍済みの成績ファイルが存在しません。' err.txt || fail "no results files"

exit $FAILED
