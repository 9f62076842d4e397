#!/usr/bin/env bash
# make screenshot: the ledger inquiry in the host shell on a virtual display, on a fresh demo company
# database: the first quarter of 2024 grouped by cost centre and by month of registration, "Elabora",
# then the first cost centre opened and its first month chosen with the keyboard; the host window is
# saved as a PNG (docs/screenshot.png unless another path is given). A second picture shows the source of
# a line opened from the ledger: the general-ledger movements of New Year's Day 2022, "Elabora", then
# "Modifica" on the first line, which opens its journal entry in the host's frame
# (docs/screenshot-source.png unless another path is given). The user guide's pictures follow in its folder
# (docs/user-guide/ unless another is given): the selection panel with that selection opened, and the
# processed ledger, each in Italian and in English. Then the tree's figures with the budget beside them: the
# first half of 2024 by cost centre and month compared with its budget (docs/analysis-comparison.png unless
# another path is given). Then `quorvane chart` draws the first cost centre's months beside the same months
# of 2023 (docs/chart.png unless another path is given). Last, the window with "Grafico" ticked shows that
# chart beside the tree (docs/analysis-chart.png unless another path is given).
set -euo pipefail
build=${1:-build}
picture=${2:-docs/screenshot.png}
source_picture=${3:-docs/screenshot-source.png}
guide=${4:-docs/user-guide}
analysis_picture=${5:-docs/analysis-comparison.png}
chart_picture=${6:-docs/chart.png}
window_chart_picture=${7:-docs/analysis-chart.png}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

echo "Creating a demo company database in $work"
"$build/src/app/quorvane" demo-db "$work/demo.db" >/dev/null

cat > "$work/selection.json" <<'JSON'
{
  "company": 1,
  "TXT_CONTO": "01",
  "TXT_DATAREGDA": "2024-01-01",
  "TXT_DATAREGA": "2024-03-31",
  "CHK_QUANTITA": "1",
  "ADVO_ORDINAMENTI": [
    { "caption": "C.d.C.", "group": true },
    { "caption": "Data reg.", "group": true, "period": 3 },
    { "caption": "Nr. doc." }
  ]
}
JSON

mkdir -p "$(dirname "$picture")"
# Right opens the first cost centre, Down moves to its first month: the keyboard's node click.
xvfb-run -a -s "-screen 0 1600x1000x24" \
  "$build/src/app/host/quorvane-host" --db "$work/demo.db" --selection "$work/selection.json" --process \
  --keys Right,Down --screenshot "$picture"

cat > "$work/ledger-movements.json" <<'JSON'
{
  "company": 1,
  "CBO_SELCONTOVDS": "2",
  "TXT_DATAREGDA": "2022-01-01",
  "TXT_DATAREGA": "2022-01-01",
  "CHK_QUANTITA": "1",
  "ADVQ_LIMITI": [ { "caption": "Causale", "list": ["COGE"] } ]
}
JSON

mkdir -p "$(dirname "$source_picture")"
xvfb-run -a -s "-screen 0 1600x1000x24" \
  "$build/src/app/host/quorvane-host" --db "$work/demo.db" --selection "$work/ledger-movements.json" --process \
  --command CMD_MODIFICA --screenshot "$source_picture"

# The user guide's pictures: the selection panel as "Apri selezione…" leaves it, and the processed ledger with
# the first month of the first cost centre chosen, in both languages.
mkdir -p "$guide"
for lang in ITA ENG; do
  suffix=$(echo "$lang" | tr 'A-Z' 'a-z')
  xvfb-run -a -s "-screen 0 1600x1000x24" \
    "$build/src/app/host/quorvane-host" --db "$work/demo.db" --lang "$lang" --selection "$work/selection.json" \
    --screenshot "$guide/selection-$suffix.png"
  xvfb-run -a -s "-screen 0 1600x1000x24" \
    "$build/src/app/host/quorvane-host" --db "$work/demo.db" --lang "$lang" --selection "$work/selection.json" \
    --process --keys Right,Down --screenshot "$guide/ledger-$suffix.png"
done
cat > "$work/compared.json" <<'JSON'
{
  "company": 1,
  "TXT_CONTO": "01",
  "TXT_DATAREGDA": "2024-01-01",
  "TXT_DATAREGA": "2024-06-30",
  "ADVO_ORDINAMENTI": [
    { "caption": "C.d.C.", "group": true },
    { "caption": "Data reg.", "group": true, "period": 3 }
  ]
}
JSON

mkdir -p "$(dirname "$analysis_picture")"
# Right opens the first cost centre: its months show under it with their figures.
xvfb-run -a -s "-screen 0 1600x1000x24" \
  "$build/src/app/host/quorvane-host" --db "$work/demo.db" --selection "$work/compared.json" \
  --choose CBO_CONFRONTO=3 --process --keys Right --screenshot "$analysis_picture"

mkdir -p "$(dirname "$chart_picture")"
"$build/src/app/quorvane" chart --db "$work/demo.db" --selection "$work/compared.json" --group '*1' \
  --compare previous-year --png "$chart_picture"

mkdir -p "$(dirname "$window_chart_picture")"
# After the processing the first cost centre is the group shown: the chart draws its months.
xvfb-run -a -s "-screen 0 1600x1000x24" \
  "$build/src/app/host/quorvane-host" --db "$work/demo.db" --selection "$work/compared.json" \
  --choose CBO_CONFRONTO=1 --process --command CHK_GRAFICO --screenshot "$window_chart_picture"
