#!/usr/bin/env bash
# Times the culler program beside its peers on generated data, all in one
# hyperfine run per workload, after checking that every command writes the
# same bytes as culler:
#   log     100 MB log, keep /cat/moose, delete /dog/elk, no script;
#           peers: grep | grep -v | sed, and rg | rg -v | rg (trimming)
#   people  50 MB "Name: ..; Age: ..; City: .." lines to CSV by a script;
#           peers: mawk, gawk
#   copy    the people file copied with no script and no lists; peer: dd bs=1M
#   orders  the 50 MB order log of /work/shared/bench/w4 (W4: a lookup, Calc,
#           ChangeCase, numeric If lines, OutEnd) through its script;
#           peers: mawk, gawk running its w4.awk
#   cases   the people file through a script of our own (a case-blind lookup,
#           ChangeCase, numeric If lines, OutEnd), so that speed-ups are
#           checked beyond W2 and W4; peers: mawk, gawk running its cases.awk
#   form-log, form-orders
#           the log and orders runs of each culler in the console (/CA)
#           and from the form (/CS) on an Xvfb display
#   form-start
#           the same on a one-line input: the form's fixed start-up, beside
#           qt_floor (a bare Qt window that copies the file): the toolkit's
# Usage: bench/speed_bench.sh [culler] [other culler ...]
#   The first culler (default build-rel/bin/culler) is the one the ratios
#   are taken against; further ones (an older build, say) run in the same
#   hyperfine run. Set RUNS (default 7), WORK (default /tmp/speed-bench),
#   W4 (default /work/shared/bench/w4) and WORKLOADS (default all of them).
# Run by hand, with an optimised build; never as a test.
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
root=$(dirname "$here")
work=${WORK:-/tmp/speed-bench}
runs=${RUNS:-7}
w4=${W4:-/work/shared/bench/w4}
read -r -a workloads <<<"${WORKLOADS:-log people copy orders cases form-start form-log form-orders}"
cullers=("$@")
[ ${#cullers[@]} -gt 0 ] || cullers=("$root/build-rel/bin/culler")

need() {
  local missing=()
  for tool in hyperfine mawk gawk rg jq g++ python3 Xvfb; do command -v "$tool" >/dev/null || missing+=("$tool"); done
  [ ${#missing[@]} -eq 0 ] && return
  local packages=${missing[*]}
  packages=${packages/rg/ripgrep}
  packages=${packages/Xvfb/xvfb}
  apt-get install -y $packages >/dev/null
}

generate() {
  mkdir -p "$work/home"
  g++ -O2 -std=c++20 -o "$work/speed_data" "$here/speed_data.cpp"
  # shellcheck disable=SC2046
  g++ -O2 -std=c++20 -fPIC -o "$work/qt_floor" "$here/qt_floor.cpp" $(pkg-config --cflags --libs Qt6Widgets)
  printf 'the cat sat\r\n' >"$work/one.txt"
  [ -s "$work/log.txt" ] || "$work/speed_data" log "$work/log.txt"
  [ -s "$work/people.txt" ] || "$work/speed_data" people "$work/people.txt"
  cat >"$work/ScrPeople.txt" <<'EOF'
Sur = Parse $Data 'Name: ' ','
First = Parse $Data ', ' '@*;'
Age = Parse $Data 'Age: ' '@*;'
OutCSV '' 'Init'
OutCSV Sur 'Quoted'
OutCSV First 'Quoted'
OutCSV Age 'Unquoted'
OutCSV '' 'Done'
EOF
  mkdir -p "$work/w4home"
  cp "$w4/ScrW4.txt" "$w4/LufCountries.txt" "$w4/w4.awk" "$work/w4home/"
  mkdir -p "$work/caseshome"
  cp "$here"/cases/* "$work/caseshome/"
  [ -s "$work/orders.txt" ] || python3 "$w4/gen-orders" "$work/orders.txt"
}

# An Xvfb display for the form runs, ended with the script.
start_display() {
  local number
  for number in $(seq 90 120); do [ -e "/tmp/.X11-unix/X$number" ] || [ -e "/tmp/.X$number-lock" ] || break; done
  display=":$number"
  Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
  xvfb_pid=$!
  trap 'kill "$xvfb_pid" 2>/dev/null' EXIT
  for _ in $(seq 50); do [ -e "/tmp/.X11-unix/X$number" ] && return; sleep 0.1; done
  echo "Xvfb did not start on $display"; exit 1
}

# The shell command of culler number $1 for a workload, writing to $3.
# $4 "form" runs it from the form on the Xvfb display, otherwise in the console.
culler_command() {
  local binary=${cullers[$1]} workload=$2 out=$3 where=${4:-console}
  local home=$work/home close=/CA
  [ "$workload" = orders ] && home=$work/w4home
  [ "$workload" = cases ] && home=$work/caseshome
  [ "$where" = form ] && close=/CS
  local base="GLEANER_HOME=$home $binary /O$out /EN /AN /R $close"
  [ "$where" = form ] && base="DISPLAY=$display $base" || base="env -u DISPLAY -u WAYLAND_DISPLAY $base"
  case $workload in
    log) echo "$base /I$work/log.txt /SNone /X/cat/moose /Y/dog/elk /Z" ;;
    people) echo "$base /I$work/people.txt /S$work/ScrPeople.txt /X /Y /Z" ;;
    copy) echo "$base /I$work/people.txt /SNone /X /Y /Z" ;;
    orders) echo "$base /I$work/orders.txt /SScrW4.txt /X /Y /Z" ;;
    cases) echo "$base /I$work/people.txt /SScrCases.txt /X /Y /Z" ;;
    start) echo "$base /I$work/one.txt /SNone /X /Y /Z" ;;
  esac
}

# Peer commands of a workload as "name|command" lines, writing to $2 with
# "@" standing for the command's name.
peers() {
  local workload=$1 out=$2
  case $workload in
    log)
      echo "grep|LC_ALL=C grep -i -F -e cat -e moose $work/log.txt | LC_ALL=C grep -v -i -F -e dog -e elk | LC_ALL=C sed 's/ *\r\$/\r/' >$out"
      echo "rg|rg -i -F -e cat -e moose $work/log.txt | rg -v -i -F -e dog -e elk | rg --passthru -r \$'\\r' ' +\\r\$' >$out"
      ;;
    people)
      local awk='BEGIN { FS = "; " } { sub(/\r$/, ""); n = substr($1, 7); c = index(n, ", "); printf "\"%s\",\"%s\",%s\r\n", substr(n, 1, c - 1), substr(n, c + 2), substr($2, 6) }'
      echo "mawk|mawk '$awk' $work/people.txt >$out"
      echo "gawk|LC_ALL=C gawk '$awk' $work/people.txt >$out"
      ;;
    copy) echo "dd|dd if=$work/people.txt of=$out bs=1M status=none" ;;
    form-start) echo "qt-floor|DISPLAY=$display $work/qt_floor $work/one.txt $out" ;;
    orders)
      echo "mawk|(cd $work/w4home && LC_ALL=C mawk -f w4.awk $work/orders.txt) >$out"
      echo "gawk|(cd $work/w4home && LC_ALL=C gawk -f w4.awk $work/orders.txt) >$out"
      ;;
    cases)
      echo "mawk|(cd $work/caseshome && LC_ALL=C mawk -f cases.awk $work/people.txt) >$out"
      echo "gawk|(cd $work/caseshome && LC_ALL=C gawk -f cases.awk $work/people.txt) >$out"
      ;;
  esac
}

# Every command of a workload as "name|command" lines, writing to $2.
# The form workloads: each culler in the console, then from the form.
commands() {
  local workload=$1 out=$2
  if [[ $workload == form-* ]]; then
    for i in "${!cullers[@]}"; do
      echo "console$i|$(culler_command "$i" "${workload#form-}" "${out/@/console$i}")"
      echo "form$i|$(culler_command "$i" "${workload#form-}" "${out/@/form$i}" form)"
    done
    peers "$workload" "$out" | while IFS='|' read -r name command; do echo "$name|${command//@/$name}"; done
    return
  fi
  for i in "${!cullers[@]}"; do echo "culler$i|$(culler_command "$i" "$workload" "${out/@/culler$i}")"; done
  peers "$workload" "$out" | while IFS='|' read -r name command; do echo "$name|${command//@/$name}"; done
}

# Runs every command once and compares its output with the first command's.
check_identical() {
  local workload=$1 reference=""
  while IFS='|' read -r name command; do
    bash -c "$command"
    local out="$work/out-$workload-$name.txt"
    [ -n "$reference" ] || { reference=$out; continue; }
    cmp -s "$reference" "$out" || { echo "$name differs from $(basename "$reference") on $workload"; exit 1; }
  done < <(commands "$workload" "$work/out-$workload-@.txt")
  echo "$workload: outputs identical ($(wc -l <"$reference") lines)"
}

time_workload() {
  local workload=$1 args=()
  while IFS='|' read -r name command; do args+=(-n "$name" "$command"); done \
    < <(commands "$workload" "$work/out-timed-@.txt")
  hyperfine --shell=bash --style none --warmup 1 --runs "$runs" --export-json "$work/$workload.json" \
    "${args[@]}" >/dev/null
  # CPU time (user + system, all processes of a pipeline) is the steadier
  # measure on a machine shared with other work.
  jq -r --arg w "$workload" '.results as $r | ($r[0].median) as $c | ($r[0].user + $r[0].system) as $cc |
    $r[] | (.user + .system) as $cpu |
    "\($w)\t\(.command)\t\(.median * 1000 | round) ms\t\($c / .median * 100 | round / 100)\t\($cpu * 1000 | round) ms\t\($cc / $cpu * 100 | round / 100)"' \
    "$work/$workload.json"
}

need
generate
start_display
for i in "${!cullers[@]}"; do echo "culler$i = ${cullers[$i]}"; done
for workload in "${workloads[@]}"; do check_identical "$workload"; done
printf 'workload\tcommand\tmedian\tfirst / this\tcpu\tfirst cpu / this\n'
for workload in "${workloads[@]}"; do time_workload "$workload"; done
