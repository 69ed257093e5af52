#!/usr/bin/env bash
# Through a real pseudo-terminal against ordalis-sim with ordalis-cli: a send
# and a receive that bring the clock file back (a type-52 level-1 line kept),
# the whole installation, a verified send against a central that keeps
# another table, compare, diff exit codes, and the transfer log that all of
# it leaves.
set -euo pipefail
build="$1"; cli="$build/ordalis-cli"; baud=115200; now="2026-03-12T10:30"
work="$(mktemp -d)"; sim_pid=""
stop_sim() { if [[ -n "$sim_pid" ]]; then kill "$sim_pid" 2>/dev/null || true; wait "$sim_pid" 2>/dev/null || true; fi; sim_pid=""; }
trap 'stop_sim; rm -rf "$work"' EXIT
fail() { echo "$*"; cat "$work/out" "$work/err" 2>/dev/null || true; exit 1; }
export XDG_DATA_HOME="$work/data"
start_sim() {
  stop_sim; rm -f "$work/port"
  "$build/ordalis-sim" --baud "$baud" --nbt "$work/demo.nbt" --link "$work/port" "$@" > /dev/null &
  sim_pid=$!
  for _ in $(seq 50); do [[ -L "$work/port" ]] && break; sleep 0.1; done
  [[ -L "$work/port" ]] || fail "ordalis-sim did not start"
}
expect_exit() {  # expect_exit CODE command...
  local want="$1"; shift
  set +e; "$@" > "$work/out" 2> "$work/err"; local got=$?; set -e
  [[ "$got" == "$want" ]] || fail "exit $got, not $want: $*"
}
port=(--nbt "$work/demo.nbt" --port "$work/port" --baud "$baud")

"$build/ordalis-demo" "$work" > /dev/null
# The demo program answers --help with its usage and makes no file of that name.
(cd "$work" && "$build/ordalis-demo" --help | grep -q "^usage: ordalis-demo") || fail "ordalis-demo --help gave no usage"
[[ ! -e "$work/--help" ]] || fail "ordalis-demo made a folder named --help"
# Line 0 becomes a press of button 1 (type 52, number 1, level 1): bytes 8 to
# 10 of the line, which starts at offset 5. Its level must come back as 1.
cp "$work/demo.clk" "$work/sent.clk" && printf '\x34\x01\x01' | dd of="$work/sent.clk" bs=1 seek=13 conv=notrunc status=none
cp "$work/sent.clk" "$work/before.clk"

start_sim
expect_exit 0 "$cli" --json --now "$now" send "$work/sent.clk" "${port[@]}" --update-file --verify
grep -q '"attempts": 1' "$work/out" || fail "send needed a retry"
grep -q '"verified": true' "$work/out" || fail "send --verify did not say verified"
expect_exit 0 "$cli" --json --now "$now" receive "$work/back.clk" "${port[@]}"
# Byte for byte, except the list heads that only lines 0 to 4 carry: byte 12
# of every later line (offset 5 + 13 i + 12, counted from 1 by cmp).
differences="$(cmp -l "$work/sent.clk" "$work/back.clk" | awk '{ line = int(($1 - 6) / 13); field = ($1 - 6) % 13; if (!(field == 12 && line >= 5)) print }' || true)"
[[ -z "$differences" ]] || fail "the clock file came back changed (offset, sent, received): $(head -20 <<< "$differences")"
cmp -s "$work/before.clk" "$work/sent.clk" && fail "--update-file did not bring the dates up to date"
[[ "$(od -An -tu1 -j13 -N3 "$work/back.clk" | tr -s ' ')" == " 52 1 1" ]] || fail "the button line came back changed"

expect_exit 0 "$cli" --json receive-all --port "$work/port" --model 0 --baud "$baud"
grep -q '"functions"' "$work/out" && grep -q '"max_clock_lines": 100' "$work/out" || fail "receive-all gave no installation"

# A central that keeps one level changed: the verified send fails and names
# the line, and compare then shows the line as the central holds it.
start_sim --store-different
expect_exit 1 "$cli" --now "$now" send "$work/demo.clk" "${port[@]}" --verify
grep -q "The central unit holds a different clock table" "$work/err" || fail "no failure text"
grep -q "Lines that differ: [0-9]" "$work/err" || fail "no differing line named"
expect_exit 1 "$cli" --json --now "$now" compare "$work/demo.clk" "${port[@]}"
grep -A1 '"fields"' "$work/out" | grep -q '"level"' && grep -q '"function_name"' "$work/out" || fail "compare did not name the level and function"
stop_sim

# Another table: the demo file with the hour of its first line moved on.
cp "$work/demo.clk" "$work/other.clk" && printf '\x17' | dd of="$work/other.clk" bs=1 seek=6 conv=notrunc status=none
expect_exit 1 "$cli" --now "$now" diff "$work/demo.clk" "$work/other.clk"
expect_exit 0 "$cli" --now "$now" diff "$work/demo.clk" "$work/demo.clk"
expect_exit 2 "$cli" diff "$work/demo.clk" "$work/demo.nbt"

log="$XDG_DATA_HOME/Ordalis/transfers.log"
[[ "$(grep -c $'\tsend\t' "$log")" == 2 && "$(grep -c $'\tcompare\t' "$log")" == 1 ]] || fail "transfers missing from the log: $(cat "$log")"
grep -q $'\tsend\t.*\t0\tOK\t.*\tverified$' "$log" || fail "no verified send in the log"
grep -q $'\tsend\t.*\t1140\t.*\tnot verified$' "$log" || fail "no failed verification in the log"
