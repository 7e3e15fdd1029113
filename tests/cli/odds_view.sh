#!/bin/bash
# The real binary: odds-view beyond the sheets of typical_day.sh: without a pseudo-PAT folder
# setting it reads the start folder, a race without a UO file has no quinella triangle, and
# bad usage gives status 2 with nothing printed.
# $1: the mir_tote binary, $2: the test data folder (unused), $3: the mir_tote_sample binary.
set -u
source "$(dirname "$0")/lib/sample_folder.sh"

# No PatFileFolder: the start folder, which holds no odds file.
"$BIN" --settings fresh.ini odds-view --win --venue 5 --day 8 >out.txt 2>/dev/null || fail "status"
[ "$(od -An -c out.txt | tr -d ' \n')" = '\r\n' ] || fail "start folder: only CR LF expected"

# Races 3 (8 runners, no UO file) and 11 of 東京, read from the PAT folder itself.
run() { "$BIN" --settings MIR_TOTE.ini "$@"; }
run settings set PatFileFolder PAT
run --utf8 odds-view --quinella --venue 5 --day 8 --races 3,11 >out.txt 2>/dev/null || fail "status"
[ "$(grep -c '^東京 ９８年' out.txt)" -eq 1 ] && grep -q '１１Ｒ' out.txt || fail "race 11 only expected"

for args in "--venue 5 --day 8" "--win --quinella --venue 5 --day 8" "--win --venue B --day 8" \
            "--win --venue 5 --day 9" "--win --venue 5" "--win --venue 5 --day 8 --races 13" \
            "--win --venue 5 --day 8 extra"; do
  # shellcheck disable=SC2086
  run odds-view $args >out.txt 2>/dev/null
  [ $? -eq 2 ] || fail "bad usage '$args': status"
  [ -s out.txt ] && fail "bad usage '$args': output on stdout"
done

exit $FAILED
