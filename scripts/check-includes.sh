#!/usr/bin/env bash
# Checks the includes between the layers of src/ and from bench/ and fuzz/:
#  - dependencies point downwards only (the table below);
#  - outside its own layer, the engine, the script layer and the interface
#    are reached only through their public headers (gleaner_engine.h,
#    gleaner_script.h, gleaner_interface.h); the script layer, which hands
#    the engine commands their parameters, may also include the engine's
#    command headers;
#  - a header that says "Internal to" at its top is never included from
#    another layer.
# Tests are not checked: each test program tests its layer from the inside.
#
#   scripts/check-includes.sh            # exit 1 and one line per fault
#   scripts/check-includes.sh --graph    # include counts per layer pair
#   scripts/check-includes.sh --graph DIR  # the same for another checkout
set -euo pipefail

graph=0
if [ "${1:-}" = "--graph" ]; then
  graph=1
  shift
fi
root=$(cd "${1:-$(dirname "$0")/..}" && pwd)
cd "$root"

# layer: the layers it may include (besides itself)
allowed_table='
platform:
foundation: platform
commands: foundation platform
engine: commands foundation platform
script: engine commands foundation platform
culler: script engine commands foundation platform
viewer: foundation platform
browser: viewer engine commands foundation platform
interface: script browser viewer engine commands foundation platform
gui: interface culler browser viewer script engine commands foundation platform
programs: gui interface culler browser viewer script engine commands foundation platform
bench: gui interface culler browser viewer script engine commands foundation platform
fuzz: script engine commands foundation platform
'

# One line per include of a layer's header: "from-layer file to-layer header".
list_includes() {
  find src bench fuzz -name '*.h' -o -name '*.cpp' | sort | while read -r file; do
    case "$file" in
      src/*) from=${file#src/}; from=${from%%/*} ;;
      *) from=${file%%/*} ;;
    esac
    grep -oE '^#include "[a-z_]+/[A-Za-z0-9_./]+"' "$file" | sed -E 's/^#include "(.*)"/\1/' |
      while read -r header; do
        to=${header%%/*}
        [ -f "src/$header" ] && echo "$from $file $to $header"
      done || true
  done
}

if [ "$graph" = 1 ]; then
  echo "includes per layer pair (from -> to: include lines, distinct headers), in $(basename "$root")"
  list_includes | awk '$1 != $3 {
      pair = $1 " -> " $3; n[pair]++
      if (!seen[pair SUBSEP $4]++) h[pair]++
    }
    END { for (k in n) printf "%s: %d, %d\n", k, n[k], h[k] }' | sort
  exit 0
fi

public_header() {
  case "$1" in
    engine) echo engine/gleaner_engine.h ;;
    script) echo script/gleaner_script.h ;;
    interface) echo interface/gleaner_interface.h ;;
  esac
}

faults=0
fault() {
  echo "$1"
  faults=$((faults + 1))
}

while read -r from file to header; do
  [ "$from" = "$to" ] && continue
  allowed=$(printf '%s\n' "$allowed_table" | sed -n "s/^$from:\(.*\)/\1/p")
  if [[ " $allowed " != *" $to "* ]]; then
    fault "$file: includes $header, but $from may not depend on $to"
    continue
  fi
  internal=$(head -n 3 "src/$header" | grep -o 'Internal to[^:]*' || true)
  if [ -n "$internal" ]; then
    [ "$from" = script ] && [[ "$internal" == *"and the script layer"* ]] && continue
    fault "$file: includes $header (${internal,})"
    continue
  fi
  public=$(public_header "$to")
  [ -z "$public" ] || [ "$header" = "$public" ] && continue
  [ "$from" = script ] && [ "$to" = engine ] && continue
  fault "$file: includes $header; outside $to use $public"
done < <(list_includes)

if [ "$faults" -ne 0 ]; then
  echo "check-includes: $faults include(s) across layers that are not allowed"
  exit 1
fi
echo "check-includes: every include across layers is allowed"
