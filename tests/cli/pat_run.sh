#!/bin/bash
# The real binary: pat-run over the sample meeting day written by tools/make_sample_data.py.
# Format 0 prints the day's odds text once (CP932, or UTF-8 with --utf8); formats 1 and 2
# write the posting scripts; exit status for an unwritable script and a missing PAT folder.
# (Bad usage and the scripts' bytes are checked in-process.)
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

# Format 0, morning market: all 12 races on standard output in CP932, nothing on stderr.
run pat-run --market M --format 0 >out.txt 2>err.txt || fail "format 0: status"
[ -s err.txt ] && fail "format 0: unexpected messages: $(cat err.txt)"
iconv -f CP932 -t UTF-8 out.txt >out8.txt || fail "format 0: not CP932"
[ "$(grep -c '^【オッズ】東京' out8.txt)" -eq 12 ] || fail "format 0: 12 races expected"
[ "$(tail -c 2 out.txt | od -An -c | tr -d ' ')" = '\r\n' ] || fail "format 0: CR LF ending"
grep -q '^OddsTeam=M' s.ini || fail "format 0: OddsTeam not stored"
run --utf8 pat-run --market M --format=0 >utf8.txt 2>/dev/null
cmp -s utf8.txt out8.txt || fail "--utf8: differs from the CP932 output"

# Format 1, second half of the day, written to the odds-log folder below the PAT folder;
# nothing on standard output.
run pat-run --market D --format 1 --races 7-12 >out.txt 2>/dev/null || fail "format 1: status"
[ -s out.txt ] && fail "format 1: output on stdout"
iconv -f CP932 -t UTF-8 FILE/File/PAD_NT.TXT >script8.txt || fail "format 1: no CP932 script"
[ "$(grep -c '^SUB:' script8.txt)" -eq 6 ] || fail "format 1: six blocks expected"
head -1 script8.txt | grep -q '^SUB:05/10  【 東京 　７Ｒ】' || fail "format 1: first block not race 7"

# Format 2 with a race list: navigation lines per block.
run pat-run --market D --format 2 --races 1,3-4 --no-presale >/dev/null 2>&1 || fail "format 2: status"
[ "$(iconv -f CP932 -t UTF-8 FILE/File/PAD | grep -c $'^\\*GO KORVAN\r$')" -eq 3 ] ||
  fail "format 2: three blocks expected"

# A missing odds-log folder: one message, status 1.
rm -rf FILE/File
run pat-run --market M --format 1 >/dev/null 2>err.txt
[ $? -eq 1 ] || fail "unwritable script: status"
[ "$(grep -c '^【スクリプトファイル確認】$' err.txt)" -eq 1 ] || fail "unwritable script: one message"

# A PAT folder that does not exist: a message and status 1.
run settings set PatInstFolder "$START/nowhere"
run pat-run --market M --format 0 >/dev/null 2>err.txt
[ $? -eq 1 ] || fail "missing folder: status"
grep -q '^【PATフォルダ確認】$' err.txt || fail "missing folder: no message"

exit $FAILED
