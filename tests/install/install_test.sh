#!/usr/bin/env bash
# Installs the build into a temporary prefix and checks the installed copy the
# way a user meets it: the layout, the desktop entries, the AppStream metadata
# and manual pages without warnings, the menu start's command line, the bash
# completion, and the home folder of an installed program (the user's data
# folder, with a read-only program folder and no GLEANER_HOME).
# Usage: install_test.sh BUILD_FOLDER
set -euo pipefail
build=$(cd "$1" && pwd)
work=$(mktemp -d)
cleanup() { chmod -R u+w "$work" 2>/dev/null || true; rm -rf "$work"; }
trap cleanup EXIT
chmod 755 "$work"  # another user runs a program from it below
prefix=$work/prefix
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
expect_file() { [ -f "$1" ] || fail "missing $1"; }
# Runs a command with the user's folders in the temporary folder only.
as_user() { env -u GLEANER_HOME -u XDG_DATA_HOME -u DISPLAY -u WAYLAND_DISPLAY HOME="$work/home" "$@"; }

cmake --install "$build" --prefix "$prefix" >"$work/install.log"
mkdir -p "$work/home" "$work/run"

# The layout.
expect_file "$prefix/bin/culler"
for f in ThingsToDo.txt ScrReport.txt LufColours.txt Help-KestraScan.txt Help-TextBrowse.txt; do
  expect_file "$prefix/share/gleaner/$f"
done
expect_file "$prefix/share/man/man1/culler.1"
completion=$prefix/share/bash-completion/completions/culler
expect_file "$completion"
gui=no
[ -f "$build/bin/kestrascan" ] && gui=yes
if [ $gui = yes ]; then
  expect_file "$prefix/bin/kestrascan"
  # The main form's program is culler's helper, off PATH.
  [ -x "$prefix/libexec/gleaner/culler-desktop" ] || fail "missing $prefix/libexec/gleaner/culler-desktop"
  [ ! -e "$prefix/bin/culler-desktop" ] || fail "culler-desktop is on PATH"
  for metainfo in "$prefix"/share/metainfo/*.metainfo.xml; do
    expect_file "$metainfo"
    out=$(appstreamcli validate --no-net --strict "$metainfo" 2>&1) || fail "appstreamcli validate $metainfo: $out"
  done
  expect_file "$prefix/share/man/man1/kestrascan.1"
  for n in culler kestrascan; do
    expect_file "$prefix/share/applications/$n.desktop"
    expect_file "$prefix/share/icons/hicolor/scalable/apps/gleaner-$n.svg"
    for s in 16 24 32 48 64 128 256; do expect_file "$prefix/share/icons/hicolor/${s}x$s/apps/gleaner-$n.png"; done
  done
  # Every entry names an existing program and icon, and validates without a word.
  for entry in "$prefix"/share/applications/*.desktop; do
    out=$(desktop-file-validate "$entry" 2>&1) || fail "desktop-file-validate $entry"
    [ -z "$out" ] || fail "desktop-file-validate $entry: $out"
    program=$(sed -n 's/^Exec=\([^ ]*\).*/\1/p' "$entry")
    icon=$(sed -n 's/^Icon=//p' "$entry")
    [ -x "$prefix/bin/$program" ] || fail "$entry: no program $program"
    [ -f "$prefix/share/icons/hicolor/scalable/apps/$icon.svg" ] || fail "$entry: no icon $icon"
  done
fi
for page in "$prefix"/share/man/man1/*.1; do
  out=$(LC_ALL=C.UTF-8 groff -man -Tutf8 -ww -z "$page" 2>&1) || fail "groff $page"
  [ -z "$out" ] || fail "groff $page: $out"
done

# The completion of the word $1 typed after culler in the folder $work/comp,
# one a line, in the order offered.
complete_culler() {
  (cd "$work/comp" && bash -c 'compopt() { :; }; source "$0"; COMP_WORDS=(culler "$1"); COMP_CWORD=1
    _culler; printf "%s\n" "${COMPREPLY[@]}"' "$completion" "$1")
}
mkdir -p "$work/comp/Zed"
touch "$work/comp/"{ScrB.txt,a.txt,"my notes.txt",Zed/x.txt}
while IFS='|' read -r word offered; do
  got=$(complete_culler "$word" | paste -sd' ')
  [ "$got" = "$offered" ] || fail "completion of '$word': '$got', expected '$offered'"
done <<'CASES'
/E|/EY /EN
/C|/CS /CA
--v|--version
/S|/SScrB.txt /SZed/ /Sa.txt /Smy\ notes.txt /SNone
/I|/IScrB.txt /IZed/ /Ia.txt /Imy\ notes.txt /IClipboard
/ia|/ia.txt
/OZed/|/OZed/x.txt
/Ux|
CASES

# The installed culler on the installed sample, its folders read-only: the
# settings and the logs land in the user's data folder, the output where the
# user is.
chmod -R a-w "$prefix"
report_run() { (cd "$work/run" && as_user "$@" /IThingsToDo.txt /OReport.txt /SScrReport.txt /X /Y /Z /EN /R /CA); }
status=0
report_run XDG_DATA_HOME="$work/data" "$prefix/bin/culler" 2>"$work/err.txt" || status=$?
[ $status -eq 0 ] || fail "installed culler exited with $status: $(cat "$work/err.txt")"
for f in Culler.ini Culler-Log.txt; do expect_file "$work/data/gleaner/$f"; done
# The output named without a folder lands where the user ran it; the shipped
# input and script were found by their bare names along the search path.
expect_file "$work/run/Report.txt"
[ -f "$work/data/gleaner/Report.txt" ] && fail "the output went to the data folder, not the current folder"
grep -q "ThingsToDo.txt" "$work/data/gleaner/Culler-Log.txt" 2>/dev/null || fail "the log does not name the shipped input"
[ "$(stat -c %a "$work/data/gleaner")" = 700 ] || fail "the data folder is not private"
[ -z "$(find "$prefix" -newer "$work/install.log" -type f)" ] || fail "files written into the prefix"
# A run whose standard error is not a terminal shows no progress line.
if grep -q $'\r' "$work/err.txt"; then fail "progress output on a redirected standard error"; fi

# Without XDG_DATA_HOME the data folder is under HOME; GLEANER_HOME overrides it.
report_run "$prefix/bin/culler" 2>/dev/null || fail "culler without XDG_DATA_HOME"
expect_file "$work/home/.local/share/gleaner/Culler.ini"
mkdir -p "$work/own"
(cd "$work/run" && HOME="$work/home" GLEANER_HOME="$work/own" "$prefix/bin/culler" /IThingsToDo.txt \
  /OReport.txt /SScrReport.txt /X /Y /Z /EN /R /CA) 2>/dev/null || fail "culler with GLEANER_HOME"
expect_file "$work/own/Culler.ini"

# A lone copy in a folder its user may not write (root may write anywhere, so
# then the run is made as another user).
mkdir -p "$work/lone" "$work/lonehome"
cp "$build/bin/culler" "$build/bin/ThingsToDo.txt" "$work/lone/"
chmod 555 "$work/lone"
chmod 777 "$work/lonehome"
lone=(env -u GLEANER_HOME -u XDG_DATA_HOME -u DISPLAY -u WAYLAND_DISPLAY HOME="$work/lonehome")
if [ "$(id -u)" -eq 0 ]; then lone=(setpriv --reuid=65534 --regid=65534 --clear-groups "${lone[@]}"); fi
(cd "$work/lonehome" && "${lone[@]}" "$work/lone/culler" "/I$work/lone/ThingsToDo.txt" /OOut.txt /SNone /X /Y /Z /EN /R /CA) \
  2>"$work/lone.txt" || fail "lone culler in a read-only folder: $(cat "$work/lone.txt")"
expect_file "$work/lonehome/Out.txt"
expect_file "$work/lonehome/.local/share/gleaner/Culler-Log.txt"

# A menu start runs the entry's command line as a launcher does: %f becomes
# the file, or nothing without one. It runs in the console here (no
# display), which fills and saves the form as the window does. Without a file
# the remembered input stays; with one it is the input.
if [ $gui = yes ]; then
  menu_start() {
    local -a args=()
    local word
    for word in $(sed -n 's/^Exec=//p' "$prefix/share/applications/culler.desktop"); do
      # A lone %f is dropped without a file; one inside a word is replaced.
      if [ "$word" != %f ]; then args+=("${word//%f/${1-}}"); elif [ $# -gt 0 ]; then args+=("$1"); fi
    done
    (cd "$work/run" && env -u DISPLAY -u WAYLAND_DISPLAY HOME="$work/home" GLEANER_HOME="$work/own" \
      "$prefix/bin/${args[0]}" "${args[@]:1}" >/dev/null 2>&1) || fail "menu start ${args[*]}"
  }
  input_box() { tr -d '\r' < "$work/own/Culler.ini" | sed -n 's/^cboInputFile.Text=//p'; }
  menu_start
  [ "$(input_box)" = ThingsToDo.txt ] || fail "a menu start without a file changed the input to '$(input_box)'"
  menu_start "$work/run/my notes.txt"
  [ "$(input_box)" = "$work/run/my notes.txt" ] || fail "a menu start with a file gave the input '$(input_box)'"
fi

# The installed browser starts and keeps its settings in the data folder.
if [ $gui = yes ]; then
  # Started by env directly, so that $! is the browser itself.
  env -u GLEANER_HOME -u DISPLAY -u WAYLAND_DISPLAY HOME="$work/home" XDG_DATA_HOME="$work/data" \
    QT_QPA_PLATFORM=offscreen "$prefix/bin/kestrascan" >/dev/null 2>&1 &
  browser=$!
  for _ in $(seq 100); do [ -f "$work/data/gleaner/KestraScan.ini" ] && break; sleep 0.1; done
  kill "$browser" 2>/dev/null || true
  wait "$browser" 2>/dev/null || true
  expect_file "$work/data/gleaner/KestraScan.ini"
fi

if [ $failures -ne 0 ]; then
  echo "$failures failure(s)"
  exit 1
fi
echo "installed layout, entries, pages and home folders: all good"
