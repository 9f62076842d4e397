#!/usr/bin/env bash
# make run: the host window on the demo company database, or the headless demo where no display exists.
# The demo database is created on first run in the user's data folder and reused afterwards, as long as
# this build's generator made it: one an older build made may lack what this build reads, so it is made
# again.
set -euo pipefail
build=${1:-build}
quorvane=$build/src/app/quorvane
data_dir=${XDG_DATA_HOME:-$HOME/.local/share}/quorvane
demo_db=$data_dir/demo.db
mkdir -p "$data_dir"
if [ ! -f "$demo_db" ]; then
  echo "Creating the demo company database in $demo_db"
  "$quorvane" demo-db "$demo_db"
elif ! "$quorvane" demo-db "$demo_db" --check 2>/dev/null; then
  echo "The demo company database in $demo_db was made by an older build: making it again"
  "$quorvane" demo-db "$demo_db" --replace
fi
host=$build/src/app/host/quorvane-host
if [ -x "$host" ] && [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
  exec "$host" --db "$demo_db" --open
fi
echo "No display available: running the headless demo on $demo_db"
# A ledger of the first quarter of 2024 grouped by cost centre and month of the registration date.
selection=$(dirname "$0")/../docs/examples/grouped-ledger.json
"$quorvane" run --db "$demo_db" --selection "$selection" --format text
