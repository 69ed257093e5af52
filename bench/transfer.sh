#!/usr/bin/env bash
# Measures a real clock transfer: ordalis-cli send with QtSerialLink against
# ordalis-sim on a pseudo-terminal at 19200 baud, section 18 of a model-0
# table (1312 bytes with the time setting). Prints the wall time against the
# protocol's floor (the pauses the protocol imposes plus every byte on the
# wire at 10 bits) and the CPU time of the sending process against its wall
# time. Usage: bench/transfer.sh BUILD_DIR [RUNS]
set -euo pipefail
build="$1"
runs="${2:-3}"
baud=19200
work="$(mktemp -d)"
sim_pid=""
cleanup() {
  if [[ -n "$sim_pid" ]]; then kill "$sim_pid" 2>/dev/null || true; wait "$sim_pid" 2>/dev/null || true; fi
  rm -rf "$work"
}
trap cleanup EXIT

"$build/ordalis-demo" "$work" > /dev/null
"$build/ordalis-sim" --baud "$baud" --nbt "$work/demo.nbt" --link "$work/port" > /dev/null &
sim_pid=$!
for _ in $(seq 50); do [[ -L "$work/port" ]] && break; sleep 0.1; done

# The floor: Wait(1000) three times in the connect sequence and Wait(100)
# before the section request; bytes both ways: connect 24 + 10, request and
# echo 2, 88 packets of 1312 data bytes with header and checksum each and one
# acknowledgement each, end marker and its answer 2.
packets=$(( (1312 + 14) / 15 ))
bytes=$(( 24 + 10 + 2 + 1312 + 3 * packets + 2 ))
floor_ms=$(awk -v b="$bytes" -v baud="$baud" 'BEGIN { printf "%.1f", 3100 + b * 10 * 1000 / baud }')
echo "protocol floor: ${floor_ms} ms (3100 ms of pauses, $bytes bytes at $baud baud)"

for run in $(seq "$runs"); do
  /usr/bin/time -f "%e %U %S" -o "$work/time" \
    "$build/ordalis-cli" --json send "$work/demo.clk" --nbt "$work/demo.nbt" --port "$work/port" --timeset \
    > "$work/result.json"
  seconds=$(sed -n 's/.*"seconds": \([0-9.]*\).*/\1/p' "$work/result.json")
  result=$(sed -n 's/.*"result": \([0-9]*\).*/\1/p' "$work/result.json")
  read -r wall user system < "$work/time"
  awk -v s="$seconds" -v f="$floor_ms" -v w="$wall" -v u="$user" -v k="$system" -v r="$result" -v n="$run" 'BEGIN {
    printf "run %d: result %d, transfer %.3f s, wall/floor %.3f, process wall %.2f s, CPU %.2f s, CPU/wall %.3f\n",
           n, r, s, s * 1000 / f, w, u + k, (u + k) / w }'
done
