#!/usr/bin/env bash
# Measures a real clock transfer: ordalis-cli send with QtSerialLink against
# ordalis-sim on a pseudo-terminal at 19200 baud, section 18 of a model-0
# table (1312 bytes with the time setting). Prints the wall time against the
# protocol's floor (the pauses the protocol imposes plus every byte on the
# wire at 10 bits) and the CPU time of the sending process against its wall
# time; then a verified send (--verify) against its own floor, the send plus
# one receive of the section. Usage: bench/transfer.sh BUILD_DIR [RUNS]
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
# acknowledgement each, end marker and its answer 2. A verified send reads
# the section back before the end marker: another Wait(100), the request, its
# echo and the PC's go-ahead 3, and the 88 packets again.
packets=$(( (1312 + 14) / 15 ))
section_bytes=$(( 1312 + 3 * packets ))
bytes=$(( 24 + 10 + 2 + section_bytes + 2 ))
read_back_bytes=$(( 3 + section_bytes ))
floor_ms=$(awk -v b="$bytes" -v baud="$baud" 'BEGIN { printf "%.1f", 3100 + b * 10 * 1000 / baud }')
verified_floor_ms=$(awk -v f="$floor_ms" -v b="$read_back_bytes" -v baud="$baud" 'BEGIN { printf "%.1f", f + 100 + b * 10 * 1000 / baud }')
echo "protocol floor: ${floor_ms} ms (3100 ms of pauses, $bytes bytes at $baud baud)"
echo "verified floor: ${verified_floor_ms} ms (another 100 ms pause and $read_back_bytes bytes)"

run_send() {  # run_send LABEL FLOOR_MS [--verify]
  local label="$1" floor="$2"; shift 2
  for run in $(seq "$runs"); do
    /usr/bin/time -f "%e %U %S" -o "$work/time" \
      "$build/ordalis-cli" --json send "$work/demo.clk" --nbt "$work/demo.nbt" --port "$work/port" --timeset "$@" \
      > "$work/result.json"
    seconds=$(sed -n 's/.*"seconds": \([0-9.]*\).*/\1/p' "$work/result.json")
    result=$(sed -n 's/.*"result": \([0-9]*\).*/\1/p' "$work/result.json")
    read -r wall user system < "$work/time"
    awk -v s="$seconds" -v f="$floor" -v w="$wall" -v u="$user" -v k="$system" -v r="$result" -v n="$run" -v l="$label" 'BEGIN {
      printf "%s run %d: result %d, transfer %.3f s, wall/floor %.3f, process wall %.2f s, CPU %.2f s, CPU/wall %.3f\n",
             l, n, r, s, s * 1000 / f, w, u + k, (u + k) / w }'
  done
}
run_send send "$floor_ms"
run_send verified "$verified_floor_ms" --verify
