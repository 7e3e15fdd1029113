#!/usr/bin/env bash
# Starts MIR_TOTE in a sample start folder that holds the help file, a meeting day of
# race cards in DATA and PAT odds files in PAT. Extra arguments go to mir_tote.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
sample="${MIRTOTE_SAMPLE_DIR:-$HOME/MIR_TOTE_sample}"
mkdir -p "$sample"
cp -f "$root/resources/sample/MIR_TOTE.HLP" "$sample/"
python3 "$root/tools/make_sample_data.py" "$sample"
settings="$sample/MIR_TOTE.ini"
cd "$sample"
if [ ! -f "$settings" ]; then
  "$root/build/mir_tote" --settings "$settings" --yes settings set PatInstFolder "$sample/PAT" >/dev/null
fi
exec "$root/build/mir_tote" --settings "$settings" --yes "$@"
