#!/bin/bash
# The real binary: settings get/set through an INI file and through the per-user store,
# --help, bad usage, and the working folders created in the start folder with --yes.
# $1: the mir_tote binary, $2: the test data folder (unused).
set -u
BIN=$(realpath "$1")
WORK=$(mktemp -d)
trap 'rm -rf "$WORK"' EXIT
FAILED=0
fail() { echo "FAIL: $*"; FAILED=1; }

START="$WORK/開始"
mkdir -p "$START"
cd "$START" || exit 1
export XDG_CONFIG_HOME="$WORK/config"

# Without --yes the missing folders are refused: status 1, nothing created.
"$BIN" --settings s.ini settings get PatType >out.txt 2>err.txt
[ $? -eq 1 ] || fail "refused folders: status"
grep -q '^【終了確認】$' err.txt || fail "refused folders: no 終了確認 block"
[ -e LZH ] && fail "refused folders: LZH created"

# With --yes the five folders are created and the value is stored.
"$BIN" --yes --settings s.ini settings set PatType PAT31 2>err.txt || fail "set: status"
for d in LZH DATA FILE Work SEISEKI; do [ -d "$d" ] || fail "folder $d not created"; done
[ "$(grep -c '^【確認】$' err.txt)" -eq 5 ] || fail "set: five questions expected"
out=$("$BIN" --settings s.ini settings get PatType 2>err.txt)
[ $? -eq 0 ] && [ "$out" = "PAT31" ] || fail "get: got '$out'"
[ -s err.txt ] && fail "get: unexpected messages: $(cat err.txt)"
grep -q '^PatType=PAT31' s.ini || fail "s.ini lacks PatType"
grep -q '^StartTime=0900' s.ini || fail "s.ini lacks the StartTime default"

# Japanese value through the INI file, byte for byte.
"$BIN" --settings s.ini settings set Startup/PatInstFolder "/mnt/競馬/ＰＡＴ" || fail "set japanese"
[ "$("$BIN" --settings s.ini settings get PatInstFolder)" = "/mnt/競馬/ＰＡＴ" ] || fail "get japanese"

# Missing key: status 1, nothing on standard output.
out=$("$BIN" --settings s.ini settings get Form/Nothing 2>/dev/null)
[ $? -eq 1 ] && [ -z "$out" ] || fail "missing key"

# The per-user store when no --settings is given.
"$BIN" settings set PatType PAT95 || fail "user store: set"
CONF="$XDG_CONFIG_HOME/MIR_TOTE/MIR_TOTE.conf"
[ -f "$CONF" ] && grep -q '^PatType=PAT95' "$CONF" || fail "user store file lacks PatType"
[ "$("$BIN" settings get PatType)" = "PAT95" ] || fail "user store: get"
grep -q 'PAT31' "$CONF" && fail "user store got the INI file's value"

# --help on standard output, status 0.
"$BIN" --help >help.txt 2>err.txt || fail "--help status"
for piece in '--settings FILE' '--yes' '--utf8' '--no-splash' '--help' 'settings get'; do
  grep -q -- "$piece" help.txt || fail "--help lacks $piece"
done

# Bad usage: status 2, usage text on standard error.
"$BIN" no-such-command >out.txt 2>err.txt
[ $? -eq 2 ] || fail "unknown command: status"
grep -q -- '--settings FILE' err.txt || fail "unknown command: no usage text"
[ -s out.txt ] && fail "unknown command: output on stdout"

exit $FAILED
