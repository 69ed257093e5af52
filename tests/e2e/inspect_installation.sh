#!/usr/bin/env bash
# ordalis-cli inspect on installation files: the demo house as JSON, and the
# refusals with their messages and exit code 1. $1 is the build directory.
set -euo pipefail
build=$(cd "$1" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cli="$build/ordalis-cli"

"$build/ordalis-demo" "$work" >/dev/null
nbt="$work/demo.nbt"

expected='{"kind":"installation_file","version":60,"model":0,"model_name":"VORDANE","capacities":{"max_interfaces":99,"max_relay_outputs":176,"max_dimmer_outputs":120,"max_sensors":32,"max_audio_zones":32,"max_output_modules":37,"local_relay_outputs":144,"max_timed_functions":70,"max_flags":40,"max_if_then_else":40,"max_conditions":30,"max_motors":40,"max_clock_lines":100},"workdays":[1,1,1,1,1,0,0],"language_offset":0,"baud_rate":19200,"modem":{"in_use":0,"type":0,"init_string":"ATZ0","telephone":"","callback":""}}'
actual=$("$cli" inspect "$nbt" --json | tr -d ' \n')
if [ "$actual" != "$expected" ]; then
  echo "inspect --json gave: $actual"
  exit 1
fi

# A refused file: the reader's message on stderr, nothing on stdout, exit 1.
refused() {  # file, expected message
  local status=0
  "$cli" inspect "$1" --json >"$work/out" 2>"$work/err" || status=$?
  if [ "$status" -ne 1 ] || [ -s "$work/out" ] || [ "$(cat "$work/err")" != "$2" ]; then
    echo "inspect $1: exit $status, stdout '$(cat "$work/out")', stderr '$(cat "$work/err")'"
    exit 1
  fi
}
patched() {  # offset, byte value (decimal), output file
  cp "$nbt" "$3"
  printf "$(printf '\\%03o' "$2")" | dd of="$3" bs=1 seek="$1" conv=notrunc status=none
}

head -c 1000 "$nbt" >"$work/short.nbt"
refused "$work/short.nbt" "No VANTREL file!"
patched 3 9 "$work/old.nbt"
refused "$work/old.nbt" "Old version, use V2.32 or V2.15 for conversion"
patched 3 50 "$work/wrong.nbt"
refused "$work/wrong.nbt" "Wrong version"
patched 0 88 "$work/magic.nbt"
refused "$work/magic.nbt" "No VANTREL file!"
echo "inspect installation: ok"
