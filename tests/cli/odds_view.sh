#!/bin/bash
# The real binary: odds-view over the sample meeting day written by tools/make_sample_data.py
# (東京 day 8, races 1-12, UO files for every race but race 3). Prints the odds viewer's
# text + CR LF; the folder is PatFileFolder, else the start folder; status 2 for bad usage.
# $1: the mir_tote binary, $2: the test data folder (unused).
set -u
BIN=$(realpath "$1")
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
titles() { iconv -f CP932 -t UTF-8 "$1" | grep -c '^東京 ９８年 ３回 ８日目 　５月１０日 '; }

# PatFileFolder never stored: the start folder, which holds no odds file.
run odds-view --win --venue 5 --day 8 >out.txt 2>err.txt || fail "start folder: status"
[ "$(od -An -c out.txt | tr -d ' \n')" = '\r\n' ] || fail "start folder: only CR LF expected"

# The pseudo-PAT folder FILE: every race, in CP932, ending with CR LF.
run settings set PatFileFolder FILE
run odds-view --win --venue 5 --day 8 >out.txt 2>err.txt || fail "win: status"
[ -s err.txt ] && fail "win: unexpected messages: $(cat err.txt)"
[ "$(titles out.txt)" -eq 12 ] || fail "win: 12 races expected"
[ "$(tail -c 5 out.txt | od -An -c | tr -d ' \n')" = '=\r\n\r\n' ] || fail "win: ending"
# Straight columns: in CP932 every horse line has its "～" at byte 15.
LC_ALL=C awk '/^[ 1][0-9] / { n++; if (index($0, "\201\140") != 15) bad++ }
  END { exit bad > 0 || n < 100 }' \
  out.txt || fail "win: the place odds columns are not straight"

# Quinella triangles of races 3 (no UO file) and 11 (18 runners).
run odds-view --quinella --venue 5 --day 8 --races 3,11 >out.txt 2>/dev/null || fail "quinella: status"
[ "$(titles out.txt)" -eq 1 ] || fail "quinella: race 11 only expected"
grep -qa $'^     11\r$' out.txt || fail "quinella: no second block"

# Bad usage: status 2, nothing printed.
for args in "--venue 5 --day 8" "--win --quinella --venue 5 --day 8" "--win --venue B --day 8" \
            "--win --venue 5 --day 9" "--win --venue 5" "--win --venue 5 --day 8 --races 13" \
            "--win --venue 5 --day 8 extra"; do
  # shellcheck disable=SC2086
  run odds-view $args >out.txt 2>/dev/null
  [ $? -eq 2 ] || fail "bad usage '$args': status"
  [ -s out.txt ] && fail "bad usage '$args': output on stdout"
done

exit $FAILED
