#!/bin/bash
# The real binary: pat-run over the sample meeting day written by tools/make_sample_data.py.
# Format 0 prints the day's odds text once (CP932, or UTF-8 with --utf8); formats 1 and 2
# write the posting scripts; bad usage, an empty or missing PAT folder, an unwritable script
# folder.
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
run pat-run --market M --format 0 >out.txt 2>err.txt
[ $? -eq 0 ] || fail "format 0: status"
[ -s err.txt ] && fail "format 0: unexpected messages: $(cat err.txt)"
iconv -f CP932 -t UTF-8 out.txt >out8.txt || fail "format 0: not CP932"
[ "$(grep -c '^【オッズ】東京' out8.txt)" -eq 12 ] || fail "format 0: 12 races expected"
grep -q '１１レース' out8.txt || fail "format 0: race 11 missing"
grep -q 'SUB:' out8.txt && fail "format 0: script lines on the clipboard"
[ "$(tail -c 2 out.txt | od -An -c | tr -d ' ')" = '\r\n' ] || fail "format 0: CR LF ending"
grep -q '^OddsTeam=M' s.ini || fail "format 0: OddsTeam not stored"
[ -e FILE/File/PAD_NT.TXT ] && fail "format 0: script written"

# --utf8 gives the same text in UTF-8.
run --utf8 pat-run --market M --format 0 >utf8.txt 2>/dev/null
cmp -s utf8.txt out8.txt || fail "--utf8: differs from the CP932 output"

# Format 1, noon market: races 7-12 by default, written to the odds-log folder below the
# PAT folder; nothing on standard output.
run pat-run --market D --format 1 >out.txt 2>err.txt
[ $? -eq 0 ] || fail "format 1: status"
[ -s out.txt ] && fail "format 1: output on stdout"
SCRIPT=FILE/File/PAD_NT.TXT
[ -f "$SCRIPT" ] || fail "format 1: $SCRIPT missing"
iconv -f CP932 -t UTF-8 "$SCRIPT" >script8.txt || fail "format 1: not CP932"
[ "$(grep -c '^SUB:' script8.txt)" -eq 6 ] || fail "format 1: six blocks expected"
head -1 script8.txt | grep -q '^SUB:05/10  【 東京 　７Ｒ】' || fail "format 1: first block not race 7"
[ "$(grep -c $'^/POST\r$' script8.txt)" -eq 6 ] || fail "format 1: six /POST lines expected"
[ "$(tail -c 10 "$SCRIPT" | od -An -c | tr -d ' \n')" = '\n/POST\r\n\r\n' ] ||
  fail "format 1: the file must end with an empty line"
grep -q '^OddsTeam=D' s.ini || fail "format 1: OddsTeam not stored"

# Format 2 with a race list: navigation lines per block.
run pat-run --market D --format 2 --races 1,3-4 --no-presale >/dev/null 2>err.txt ||
  fail "format 2: status"
iconv -f CP932 -t UTF-8 FILE/File/PAD >pad8.txt || fail "format 2: PAD missing or not CP932"
[ "$(grep -c $'^\\*GO KORVAN\r$' pad8.txt)" -eq 3 ] || fail "format 2: three blocks expected"

# Bad usage: status 2, nothing run.
for args in "--market X --format 0" "--market M" "--market M --format 3" \
            "--market M --format 0 --races 13" "--market M --format 0 extra"; do
  # shellcheck disable=SC2086
  run pat-run $args >out.txt 2>err.txt
  [ $? -eq 2 ] || fail "bad usage '$args': status"
  [ -s out.txt ] && fail "bad usage '$args': output on stdout"
done

# A missing odds-log folder: one message, every race still run, status 1.
rm -rf FILE/File
run pat-run --market M --format 1 >out.txt 2>err.txt
[ $? -eq 1 ] || fail "unwritable script: status"
[ "$(grep -c '^【スクリプトファイル確認】$' err.txt)" -eq 1 ] || fail "unwritable script: one message"

# A PAT folder without odds files: no output, no message, status 0.
mkdir -p empty && touch empty/readme.txt
run settings set PatInstFolder "$START/empty"
run pat-run --market M --format 0 >out.txt 2>err.txt
[ $? -eq 0 ] || fail "empty folder: status"
[ -s out.txt ] && fail "empty folder: output"
[ -s err.txt ] && fail "empty folder: messages: $(cat err.txt)"

# A PAT folder that does not exist: a message and status 1.
run settings set PatInstFolder "$START/nowhere"
run pat-run --market M --format 0 >out.txt 2>err.txt
[ $? -eq 1 ] || fail "missing folder: status"
grep -q '^【PATフォルダ確認】$' err.txt || fail "missing folder: no message"

exit $FAILED
