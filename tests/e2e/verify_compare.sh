#!/usr/bin/env bash
# Through a real pseudo-terminal against ordalis-sim: a verified send to a
# healthy central, then compare (the same); a verified send to a central that
# keeps a changed table (exit 1, the failure named); compare against a central
# started with another clock file (exit 1, the line listed); diff of two
# files; and the transfer log that all of it leaves.
set -euo pipefail
build="$1"
work="$(mktemp -d)"
sim_pid=""
stop_sim() {
  if [[ -n "$sim_pid" ]]; then kill "$sim_pid" 2>/dev/null || true; wait "$sim_pid" 2>/dev/null || true; fi
  sim_pid=""
}
trap 'stop_sim; rm -rf "$work"' EXIT
export XDG_DATA_HOME="$work/data"

cli="$build/ordalis-cli"
baud=115200
now="2026-03-12T10:30"
"$build/ordalis-demo" "$work" > /dev/null

start_sim() {
  stop_sim
  rm -f "$work/port"
  "$build/ordalis-sim" --baud "$baud" --nbt "$work/demo.nbt" --link "$work/port" "$@" > /dev/null &
  sim_pid=$!
  for _ in $(seq 50); do [[ -L "$work/port" ]] && break; sleep 0.1; done
  [[ -L "$work/port" ]] || { echo "ordalis-sim did not start"; exit 1; }
}
expect_exit() {  # expect_exit CODE command...
  local want="$1"; shift
  set +e; "$@" > "$work/out" 2> "$work/err"; local got=$?; set -e
  [[ "$got" == "$want" ]] || { echo "exit $got, not $want: $*"; cat "$work/out" "$work/err"; exit 1; }
}
port_options=(--nbt "$work/demo.nbt" --port "$work/port" --baud "$baud")

start_sim
expect_exit 0 "$cli" --json --now "$now" send "$work/demo.clk" "${port_options[@]}" --verify
grep -q '"verified": true' "$work/out" || { echo "send --verify did not say verified"; exit 1; }
expect_exit 0 "$cli" --now "$now" compare "$work/demo.clk" "${port_options[@]}"

start_sim --store-different
expect_exit 1 "$cli" --now "$now" send "$work/demo.clk" "${port_options[@]}" --verify
grep -q "The central unit holds a different clock table" "$work/err" || { echo "no failure text"; cat "$work/err"; exit 1; }
grep -q "Lines that differ: [0-9]" "$work/err" || { echo "no differing line named"; cat "$work/err"; exit 1; }

# Another table: the demo file with the hour of its first line moved on.
cp "$work/demo.clk" "$work/other.clk"
printf '\x17' | dd of="$work/other.clk" bs=1 seek=6 conv=notrunc status=none
start_sim --clk "$work/other.clk"
expect_exit 1 "$cli" --json --now "$now" compare "$work/demo.clk" "${port_options[@]}"
grep -q '"time"' "$work/out" || { echo "compare did not name the time"; cat "$work/out"; exit 1; }
grep -q '"function_name"' "$work/out" || { echo "compare gave no function names"; exit 1; }
stop_sim

expect_exit 1 "$cli" --now "$now" diff "$work/demo.clk" "$work/other.clk"
expect_exit 0 "$cli" --now "$now" diff "$work/demo.clk" "$work/demo.clk"
expect_exit 2 "$cli" diff "$work/demo.clk" "$work/demo.nbt"

log="$XDG_DATA_HOME/Ordalis/transfers.log"
[[ "$(wc -l < "$log")" == 4 ]] || { echo "the log does not hold four transfers:"; cat "$log"; exit 1; }
grep -q $'\tsend\t.*\t0\tOK\t.*\tverified$' "$log" || { echo "no verified send in the log"; cat "$log"; exit 1; }
grep -q $'\tsend\t.*\t1140\t.*\tnot verified$' "$log" || { echo "no failed verification in the log"; cat "$log"; exit 1; }
[[ "$(grep -c $'\tcompare\t' "$log")" == 2 ]] || { echo "compares missing from the log"; cat "$log"; exit 1; }
