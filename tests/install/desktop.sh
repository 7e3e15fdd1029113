#!/bin/bash
# `cmake --install` into a temporary prefix (with a space, so the entry's command must be
# quoted): every file in its place, and the desktop entry's command starts the installed
# program in its own start folder below the home folder. $1: the build folder.
set -u
WORK=$(mktemp -d)
trap 'rm -rf "$WORK"' EXIT
FAILED=0
fail() { echo "FAIL: $*"; FAILED=1; }

PREFIX="$WORK/pre fix"
cmake --install "$1" --prefix "$PREFIX" >"$WORK/install.log" || { cat "$WORK/install.log"; exit 1; }
ICONS=share/icons/hicolor
for f in bin/mir_tote share/mir_tote/MIR_TOTE.HLP share/applications/mir_tote.desktop \
  $ICONS/scalable/apps/mir_tote.svg $ICONS/{48x48,128x128,256x256}/apps/mir_tote.png; do
  [ -s "$PREFIX/$f" ] || fail "not installed: $f"
done
ENTRY="$PREFIX/share/applications/mir_tote.desktop"
if command -v desktop-file-validate >/dev/null; then
  desktop-file-validate "$ENTRY" || fail "desktop-file-validate"
fi

# The entry's command as a desktop reads it: the value's escapes (\\ only, here), then the
# argument quoting, which is the shell's double quoting; arguments appended.
exec_line=$(sed -n 's/^Exec=//p' "$ENTRY" | sed 's/\\\\/\\/g')
export HOME="$WORK/home" XDG_CONFIG_HOME="$WORK/config"
mkdir "$HOME"
eval "$exec_line --version" | grep -qx 'MIR_TOTE 2.00 (build [0-9.]*)' || fail "--version"
eval "$exec_line --yes settings set PatType PAT31" 2>"$WORK/err.txt" ||
  fail "a command through the entry: $(cat "$WORK/err.txt")"
for d in LZH DATA FILE Work SEISEKI; do
  [ -d "$HOME/MIR_TOTE/$d" ] || fail "working folder $d not made in ~/MIR_TOTE"
done
exit $FAILED
