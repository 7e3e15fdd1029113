#!/bin/bash
# The real binary: pat-run --watch on the sample start folder runs at once, runs again after
# a ZO file of the PAT folder changes (one line on standard error per run) and ends with
# status 0 on SIGINT. Every wait is bounded.
# $1: the mir_tote binary, $2: the test data folder (unused), $3: the mir_tote_sample binary.
set -u
source "$(dirname "$0")/lib/sample_folder.sh"

RUN_LINE='^[0-9][0-9]:[0-9][0-9]:[0-9][0-9] 投稿 [1-9][0-9]* レース .*PAD_NT\.TXT$'
# Waits up to 30 s for $1 run lines while the watch runs.
wait_runs() {
  for _ in $(seq 300); do
    [ "$(grep -c "$RUN_LINE" err.txt)" -ge "$1" ] && return 0
    kill -0 "$PID" 2>/dev/null || return 1
    sleep 0.1
  done
  return 1
}

"$BIN" --settings MIR_TOTE.ini pat-run --market M --format 1 --watch >/dev/null 2>err.txt &
PID=$!
wait_runs 1 || fail "no first run: $(cat err.txt)"
touch "$(find PAT -iname 'ZO-*.JRA' | head -1)"
wait_runs 2 || fail "no run after the ZO file changed: $(cat err.txt)"
kill -INT "$PID"
for _ in $(seq 100); do kill -0 "$PID" 2>/dev/null || break; sleep 0.1; done
kill -0 "$PID" 2>/dev/null && { kill -KILL "$PID"; fail "still running after SIGINT"; }
wait "$PID"
[ $? -eq 0 ] || fail "status after SIGINT"
[ "$(grep -vc "$RUN_LINE" err.txt)" -eq 0 ] || fail "other lines: $(cat err.txt)"

"$BIN" --settings MIR_TOTE.ini pat-run --market S --format 1 --watch >/dev/null 2>&1
[ $? -eq 2 ] || fail "--watch of the results market: status"

exit $FAILED
