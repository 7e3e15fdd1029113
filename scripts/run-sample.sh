#!/usr/bin/env bash
# Starts MIR_TOTE on a fresh copy of the sample meeting: a start folder written anew by
# mir_tote_sample (archives, per-day files, PAT folder, forum log, odds file, help file and
# its own settings file), so trying things never changes the repository or an earlier copy.
# MIRTOTE_SAMPLE_DIR names the folder (default: a new folder below /tmp). Extra arguments
# go to mir_tote, e.g. a command: bash scripts/run-sample.sh --utf8 results-dates
set -euo pipefail
build="$(cd "$(dirname "$0")/.." && pwd)/build"
sample="${MIRTOTE_SAMPLE_DIR:-$(mktemp -d /tmp/MIR_TOTE_sample.XXXXXX)}"
if [ -n "$(ls -A "$sample" 2>/dev/null)" ]; then
  echo "run-sample.sh: $sample is not empty; name a new or empty folder" >&2
  exit 1
fi
"$build/mir_tote_sample" start "$sample"
echo "sample start folder: $sample" >&2
exec "$build/mir_tote" --start-folder "$sample" --settings "$sample/MIR_TOTE.ini" "$@"
