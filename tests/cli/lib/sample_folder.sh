# Sourced by the command-line tests with their arguments ($1: the mir_tote binary, $3: the
# mir_tote_sample binary): BIN, a scratch folder WORK removed at the end, `fail`, and the
# current folder a fresh sample start folder ($WORK/開始) with its own per-user store.
BIN=$(realpath "$1")
WORK=$(mktemp -d)
trap 'rm -rf "$WORK"' EXIT
FAILED=0
fail() { echo "FAIL: $*"; FAILED=1; }

"$3" start "$WORK/開始" && cd "$WORK/開始" || { echo "FAIL: sample start folder"; exit 1; }
export XDG_CONFIG_HOME="$WORK/config"
