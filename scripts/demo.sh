#!/usr/bin/env bash
# Builds the culler program and runs its main job in batch mode on the shipped
# sample: the to-do list through a sample script (ScrReport.txt unless another
# is named), in a temporary home folder holding a copy of the samples. Prints
# the output file, the processing log and, if one was written, the error log.
#   bash scripts/demo.sh [ScrExtractCsv.txt | ScrLookupRewrite.txt | ScrReport.txt | None]
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup-deps.sh
cmake -S . -B build-demo -G Ninja -DGLEANER_GUI=OFF -DGLEANER_TESTS=OFF -DGLEANER_BENCH=OFF >/dev/null
cmake --build build-demo -j2 --target culler
home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT
cp samples/*.txt "$home"/
script=${1:-ScrReport.txt}
show() {  # the files are Windows-1252 text with CR LF line ends
  printf '\n===== %s\n' "$1"
  iconv -f WINDOWS-1252 -t UTF-8 "$home/$1" | tr -d '\r'
}
status=0
GLEANER_HOME="$home" build-demo/bin/culler /IThingsToDo.txt /OOutput.txt "/S$script" /X /Y /Z /EN /AN /R /CA ||
  status=$?
show Output.txt
printf '(written to %s, which this demo removes when it ends)\n' "$home/Output.txt"
show Culler-Log.txt
if [ -f "$home/Culler-Error.txt" ]; then show Culler-Error.txt; fi
printf '\nculler exit status: %d\n' "$status"
exit "$status"
