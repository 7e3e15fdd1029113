#!/bin/bash
# A typical day on the sample meeting (mir_tote_sample start), every step through the real
# binary in a fresh start folder: extract the archives, post the odds in the three formats,
# convert the forum log and the odds file, ask the odds history those runs kept, print both
# newspaper sheets, show the results and import PAT's results. Outputs are compared with the golden files of data/day; the pseudo-PAT
# files must hold the same odds slots as the PAT files they came from.
# $1: the mir_tote binary, $2: the test data folder, $3: the mir_tote_sample binary.
set -u -o pipefail
GOLDEN="$(realpath "$2")/day"
source "$(dirname "$0")/lib/sample_folder.sh"
run() { "$BIN" --settings MIR_TOTE.ini --yes "$@"; }

# An output file (CP932, CR LF lines unless $3 is "lf") against its golden file (UTF-8, LF).
golden() {
  local name=$1 file=$2
  iconv -f CP932 -t UTF-8 "$file" >"$WORK/crlf" || { fail "$name: not CP932"; return; }
  [ "${3:-}" = lf ] || [ "$(grep -c $'\r$' "$WORK/crlf")" = "$(wc -l <"$WORK/crlf")" ] ||
    fail "$name: lines not CR LF"
  tr -d '\r' <"$WORK/crlf" >"$WORK/$name"
  if [ -n "${MIRTOTE_UPDATE_GOLDEN:-}" ]; then
    cp "$WORK/$name" "$GOLDEN/$name"
  elif ! cmp -s "$WORK/$name" "$GOLDEN/$name"; then
    fail "$name differs from its golden file:"
    diff "$GOLDEN/$name" "$WORK/$name" | head -20
  fi
}

# The pseudo-PAT files: each header on one line (golden), the odds slots equal to PAT's.
pseudo_files() {
  local name=$1 file
  : >"$WORK/headers"
  for file in PSEUDO/*; do
    { printf '%s ' "${file#PSEUDO/}"; head -c 142 "$file"; printf '\r\n'; } >>"$WORK/headers"
    cmp -s <(tail -c +143 "$file") <(tail -c +143 "PAT/${file#PSEUDO/}") ||
      fail "$name: odds slots of ${file#PSEUDO/} differ from the PAT file"
  done
  [ "$(ls PSEUDO | wc -l)" -eq 46 ] || fail "$name: 24 ZO and 22 UO files expected"
  golden "$name" "$WORK/headers"
  rm -f PSEUDO/*
}

# Extracting the delivered archives gives the per-day files the sample was written with.
mv DATA "$WORK/DATA" && mv SEISEKI "$WORK/SEISEKI" && mkdir DATA SEISEKI
run extract LZH/JV980509.LZH LZH/SE980510.LZH >/dev/null 2>&1 || fail "extract: status"
diff -r DATA "$WORK/DATA" >/dev/null && diff -r SEISEKI "$WORK/SEISEKI" >/dev/null ||
  fail "extract: per-day files differ from the sample's"
[ -z "$(ls Work)" ] || fail "extract: Work not emptied: $(ls Work)"

# The odds posting: the clipboard text of the whole day, the two scripts of race 11.
run pat-run --market M --format 0 >posted.txt 2>/dev/null || fail "posting: status"
golden posting.txt posted.txt
run pat-run --market M --format 1 >/dev/null 2>&1 || fail "NifTerm script: status"
cp LOG/PAD_NT.TXT "$WORK/script.txt"
run pat-run --market M --format 1 --races 11 --no-presale >/dev/null 2>&1 &&
  golden script_nifterm.txt LOG/PAD_NT.TXT || fail "NifTerm script of race 11"
run pat-run --market M --format 2 --races 11 --no-presale >/dev/null 2>&1 &&
  golden script_aircraft.txt LOG/PAD || fail "Air Craft script of race 11"

# Round trip: the posted script read back as a forum log gives PAT's odds slots again.
rm -f PSEUDO/*
run convert-log "$WORK/script.txt" >/dev/null 2>&1 || fail "script as a log: status"
pseudo_files pseudo_from_script.txt
run convert-log LOG/KORVAN0510.ODS >/dev/null 2>&1 || fail "forum log: status"
pseudo_files pseudo_from_log.txt
run convert-csv TARGET/OD980510.CSV >/dev/null 2>&1 || fail "odds file: status"
cp PSEUDO/* "$WORK/" 2>/dev/null
pseudo_files pseudo_from_csv.txt

# The odds history the runs above recorded: the PAT run, the script and the log's three
# postings (the last equal to the script's), the odds file.
run odds-history --list --date 19980510 >out.txt 2>/dev/null && golden history_list.txt out.txt ||
  fail "history list"
run odds-history --date 19980510 --venue 東京 --race 11 >out.txt 2>/dev/null &&
  golden history_race_11.txt out.txt || fail "history of race 11"
run odds-history --date 19980510 --venue 東京 --race 11 --kind quinella --csv >out.txt 2>/dev/null &&
  golden history_race_11_quinella.csv out.txt || fail "quinella history of race 11"
run odds-history --drops --date 19980510 >out.txt 2>/dev/null && golden history_drops.txt out.txt ||
  fail "history drops"

# Both newspaper sheets, from the odds file's pseudo-PAT files.
cp "$WORK"/[ZU]O-*.JRA PSEUDO/
run odds-view --win --venue 5 --day 8 >sheet.txt 2>/dev/null && golden sheet_win.txt sheet.txt ||
  fail "win sheet"
run odds-view --quinella --venue 8 --day 8 --races 2,11 >sheet.txt 2>/dev/null &&
  golden sheet_quinella.txt sheet.txt || fail "quinella sheet"

# The results: dates, the dead-heat race and the demotion race, both days' payout tables.
run results-dates >out.txt 2>/dev/null && golden results_dates.txt out.txt lf || fail "dates"
for race in 3 5; do
  run results-race --date 19980510 --venue 東京 --race $race >out.txt 2>/dev/null &&
    golden results_race_$race.txt out.txt || fail "results of race $race"
done
for date in 19980509 19980510; do
  run results-day --date $date --venues 東京,京都 >out.txt 2>/dev/null &&
    golden results_day_$date.txt out.txt || fail "payout table of $date"
done
run pat-run --market S --format 0 >out.txt 2>/dev/null && golden pat_results.txt out.txt ||
  fail "PAT results import"

exit $FAILED
