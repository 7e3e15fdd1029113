#!/usr/bin/env bash
# Starts MIR_TOTE in a sample start folder that holds the help file and one meeting day:
# race cards in DATA and PAT odds files in FILE (the default PAT installation folder).
# The sample keeps its settings in its own INI file. Extra arguments go to mir_tote.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
sample="${MIRTOTE_SAMPLE_DIR:-$HOME/MIR_TOTE_sample}"
mkdir -p "$sample"
cp -f "$root/resources/sample/MIR_TOTE.HLP" "$sample/"
python3 "$root/tools/make_sample_data.py" "$sample"
cd "$sample"
exec "$root/build/mir_tote" --settings "$sample/MIR_TOTE.ini" --yes "$@"
