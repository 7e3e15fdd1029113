#!/bin/bash
# The real binary, headless: no display needed, the working folders created with --yes,
# settings through an INI file and through the per-user store, --help and bad usage.
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
# No display and the X11 platform: a command that created a GUI application object would abort.
unset DISPLAY WAYLAND_DISPLAY
export QT_QPA_PLATFORM=xcb

# With --yes the five folders are created and the value is stored in the INI file.
"$BIN" --yes --settings s.ini settings set PatType PAT31 2>err.txt || fail "set: $(cat err.txt)"
for d in LZH DATA FILE Work SEISEKI; do [ -d "$d" ] || fail "folder $d not created"; done
out=$("$BIN" --settings s.ini settings get PatType 2>err.txt)
[ $? -eq 0 ] && [ "$out" = "PAT31" ] || fail "get: got '$out'"
[ -s err.txt ] && fail "get: unexpected messages: $(cat err.txt)"

# The per-user store when no --settings is given.
"$BIN" settings set PatType PAT95 || fail "user store: set"
grep -q '^PatType=PAT95' "$XDG_CONFIG_HOME/MIR_TOTE/MIR_TOTE.conf" || fail "user store file"
[ "$("$BIN" settings get PatType)" = "PAT95" ] || fail "user store: get"

# --help on standard output; an unknown command is bad usage with a one-line hint; --version;
# a command's own --help.
"$BIN" --help 2>&1 >help.txt | grep -q . && fail "--help wrote to standard error"
grep -q -- '--settings FILE' help.txt || fail "--help lacks the options"
"$BIN" no-such-command >out.txt 2>err.txt
[ $? -eq 2 ] || fail "unknown command: status"
[ "$(cat err.txt)" = "mir_tote: unknown command: no-such-command
\`mir_tote --help\` で使い方を表示します。" ] || fail "unknown command: reason and hint expected: $(cat err.txt)"
[ -s out.txt ] && fail "unknown command: output on stdout"
"$BIN" --version | grep -qx 'MIR_TOTE 2.00 (build [0-9.]*)' || fail "--version"
"$BIN" pat-run --help >out.txt || fail "pat-run --help: status"
head -2 out.txt | grep -q '^  pat-run --market' || fail "pat-run --help: its usage first"
grep -q 'settings get' out.txt && fail "pat-run --help: other commands listed"

exit $FAILED
