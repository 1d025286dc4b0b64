#!/usr/bin/env bash
# switchsim answers Net-SNMP's own command-line tools over v1, v2c and v3 authPriv.
# usage: switchsim_tools.sh <switchsim binary>
set -euo pipefail
sim=$1
work=$(mktemp -d)
export SNMPCONFPATH=$work SNMP_PERSISTENT_DIR=$work MIBS= MIBDIRS=$work
coproc SIM { exec "$sim" --port 0; }
pid=$SIM_PID
trap 'kill -TERM $pid 2>/dev/null || true; wait $pid 2>/dev/null || true; rm -rf "$work"' EXIT
read -r -t 60 word port <&"${SIM[0]}"
[ "$word" = LISTENING ] || { echo "switchsim did not start"; exit 1; }
agent=127.0.0.1:$port
v3=(-v3 -l authPriv -u shades -a SHA -A shaauthpass -x DES -X shaprivpass)

expect() {  # expect <what> <needle> <command...>
  local what=$1 needle=$2; shift 2
  local out
  out=$("$@" 2>&1) || true
  if [[ "$out" != *"$needle"* ]]; then
    echo "FAIL: $what: expected '$needle' in:"; echo "$out"; exit 1
  fi
  echo "ok: $what"
}

expect "v1 get" 'STRING: "B1"' snmpget -v1 -c quorra -On -t 2 "$agent" 1.3.6.1.2.1.16.19.3.0
expect "v1 get of an unknown object" 'noSuchName' snmpget -v1 -c quorra -On -t 2 "$agent" 1.3.6.1.2.1.77.0
expect "v2c walk" '.1.3.6.1.2.1.1.7.0 = INTEGER: 2' snmpwalk -v2c -c quorra -On -t 2 "$agent" 1.3.6.1.2.1.1
expect "v2c bulk walk" '.1.3.6.1.2.1.2.2.1.2.28 = STRING: "Port 28 (combo)"' snmpbulkwalk -v2c -c quorra -On -t 2 "$agent" 1.3.6.1.2.1.2.2.1.2
expect "v3 authPriv set" 'STRING: "core-1"' snmpset "${v3[@]}" -On -t 2 "$agent" 1.3.6.1.2.1.1.5.0 s core-1
expect "v3 authPriv get after the set" 'STRING: "core-1"' snmpget "${v3[@]}" -On -t 2 "$agent" 1.3.6.1.2.1.1.5.0
expect "v2c set of a read-only object" 'notWritable' snmpset -v2c -c venthal -On -t 2 "$agent" 1.3.6.1.2.1.1.1.0 s x
