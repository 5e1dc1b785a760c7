#!/usr/bin/env bash
# Runs culler's main job in batch mode on the shipped sample: the to-do list
# through a sample script (ScrReport.txt unless another is named), in a
# temporary home folder holding a copy of the samples. Prints the output
# file, the processing log and, when the run reported something, the error
# log that names the cause.
# Uses the culler of build/ when there is one (building what it still lacks),
# else builds only culler in build-demo.
#   bash scripts/demo.sh [ScrExtractCsv.txt | ScrLookupRewrite.txt | ScrReport.txt | None]
set -euo pipefail
cd "$(dirname "$0")/.."
build=build
if [ ! -f build/build.ninja ]; then
  build=build-demo
  bash scripts/setup-deps.sh
  cmake -S . -B build-demo -G Ninja -DGLEANER_GUI=OFF -DGLEANER_TESTS=OFF -DGLEANER_BENCH=OFF >/dev/null
fi
cmake --build "$build" -j2 --target culler
home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT
cp samples/*.txt "$home"/
script=${1:-ScrReport.txt}
show() {  # the files are Windows-1252 text with CR LF line ends
  printf '\n===== %s\n' "$1"
  if [ -f "$home/$1" ]; then
    iconv -f WINDOWS-1252 -t UTF-8 "$home/$1" | tr -d '\r'
  else
    echo "(not written)"
  fi
}
status=0
GLEANER_HOME="$home" "$build/bin/culler" /IThingsToDo.txt /OOutput.txt "/S$script" /X /Y /Z /EN /AN /R /CA ||
  status=$?
show Output.txt
if [ -f "$home/Output.txt" ]; then
  printf '(written to %s, which this demo removes when it ends)\n' "$home/Output.txt"
fi
show Culler-Log.txt
if [ -f "$home/Culler-Error.txt" ]; then show Culler-Error.txt; fi
printf '\nculler exit status: %d\n' "$status"
if [ "$status" -ne 0 ]; then
  printf 'The error log above names the cause. Scripts to try: %s, or None.\n' "$(cd samples && echo Scr*.txt)"
fi
exit "$status"
