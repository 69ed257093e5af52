#!/usr/bin/env bash
# Sends a clock file to ordalis-sim through a real pseudo-terminal with
# ordalis-cli, fetches it back, and compares the clock file that returns with
# the one sent (its reference dates brought up to date by the send).
set -euo pipefail
build="$1"
work="$(mktemp -d)"
sim_pid=""
cleanup() {
  if [[ -n "$sim_pid" ]]; then kill "$sim_pid" 2>/dev/null || true; wait "$sim_pid" 2>/dev/null || true; fi
  rm -rf "$work"
}
trap cleanup EXIT

cli="$build/ordalis-cli"
baud=115200
"$build/ordalis-demo" "$work" > /dev/null
# The demo program answers --help with its usage and makes no file of that name.
(cd "$work" && "$build/ordalis-demo" --help | grep -q "^usage: ordalis-demo") || { echo "ordalis-demo --help gave no usage"; exit 1; }
[[ ! -e "$work/--help" ]] || { echo "ordalis-demo made a folder named --help"; exit 1; }
cp "$work/demo.clk" "$work/sent.clk"
# Line 0 becomes a press of button 1 (type 52, number 1, level 1): bytes 8 to
# 10 of the line, which starts at offset 5. Its level must come back as 1.
printf '\x34\x01\x01' | dd of="$work/sent.clk" bs=1 seek=13 conv=notrunc status=none
cp "$work/sent.clk" "$work/before.clk"

"$build/ordalis-sim" --baud "$baud" --nbt "$work/demo.nbt" --link "$work/port" --log "$work/traffic.log" > "$work/sim.out" &
sim_pid=$!
for _ in $(seq 50); do [[ -L "$work/port" ]] && break; sleep 0.1; done
[[ -L "$work/port" ]] || { echo "ordalis-sim did not start"; exit 1; }

now="2026-03-12T10:30"
send_json="$("$cli" --json --now "$now" send "$work/sent.clk" --nbt "$work/demo.nbt" --port "$work/port" --baud "$baud" --update-file)"
echo "$send_json"
grep -q '"result": 0' <<< "$send_json" || { echo "send failed"; exit 1; }
grep -q '"attempts": 1' <<< "$send_json" || { echo "send needed a retry"; exit 1; }

receive_json="$("$cli" --json --now "$now" receive "$work/back.clk" --nbt "$work/demo.nbt" --port "$work/port" --baud "$baud")"
echo "$receive_json"
grep -q '"result": 0' <<< "$receive_json" || { echo "receive failed"; exit 1; }

# The file must come back byte for byte, except the list heads that only
# lines 0 to 4 carry: byte 12 of every later line (offset 5 + 13 i + 12,
# counted from 1 by cmp).
differences="$(cmp -l "$work/sent.clk" "$work/back.clk" | awk '{ line = int(($1 - 6) / 13); field = ($1 - 6) % 13; if (!(field == 12 && line >= 5)) print }' || true)"
if [[ -n "$differences" ]]; then
  echo "the clock file came back changed (offset, sent, received in octal):"
  echo "$differences" | head -20
  exit 1
fi
cmp -s "$work/before.clk" "$work/sent.clk" && { echo "--update-file did not bring the dates up to date"; exit 1; }
[[ "$(od -An -tu1 -j13 -N3 "$work/back.clk" | tr -s ' ')" == " 52 1 1" ]] || { echo "the button line came back changed"; exit 1; }



# The whole installation comes back decoded, with the functions document.
all_json="$("$cli" --json receive-all --port "$work/port" --model 0 --baud "$baud")"
grep -q '"result": 0' <<< "$all_json" || { echo "receive-all failed"; echo "$all_json" | head -5; exit 1; }
grep -q '"functions"' <<< "$all_json" || { echo "receive-all gave no functions"; exit 1; }
grep -q '"max_clock_lines": 100' <<< "$all_json" || { echo "receive-all gave no installation"; exit 1; }

# The central's modem takes the call-back programming.
modem_json="$("$cli" --json program-modem --port "$work/port" --baud "$baud" --callback 0123)"
grep -q '"result": 0' <<< "$modem_json" || { echo "program-modem failed: $modem_json"; exit 1; }
