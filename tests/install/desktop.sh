#!/bin/bash
# `cmake --install` (a prefix with a space) puts every file in place; the desktop entry's command
# starts the installed program in ~/MIR_TOTE. $1: the build folder.
set -eu
trap 'echo "FAIL: line $LINENO"' ERR
WORK=$(mktemp -d)
trap 'rm -rf "$WORK"' EXIT
P="$WORK/pre fix" I=share/icons/hicolor ENTRY=share/applications/mir_tote.desktop
cmake --install "$1" --prefix "$P" >/dev/null
for f in bin/mir_tote share/mir_tote/MIR_TOTE.HLP $ENTRY $I/scalable/apps/mir_tote.svg \
  $I/{48x48,128x128,256x256}/apps/mir_tote.png; do
  [ -s "$P/$f" ] || { echo "not installed: $f"; exit 1; }
done
if command -v desktop-file-validate >/dev/null; then desktop-file-validate "$P/$ENTRY"; fi

# Exec unescaped (only \\ occurs), then quoted as in the shell; a command makes the folders.
exec_line=$(sed -n 's/^Exec=//p' "$P/$ENTRY" | sed 's/\\\\/\\/g')
export HOME="$WORK/home" XDG_CONFIG_HOME="$WORK/config"
eval "$exec_line --yes settings set PatType PAT31" 2>/dev/null
[ -d "$HOME/MIR_TOTE/SEISEKI" ]
