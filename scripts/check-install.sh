#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs a built tree into a temporary prefix and checks what a desktop
# sees: the desktop entries, the AppStream metadata, the MIME types and the
# manual pages validate, the installed programs answer --version and --help
# without a display, start in a folder given with --folder, find the shipped
# samples clean with --check and draw a scene with --render; the kit's files
# get the kit's types and open in its programs on xdg-utils' generic path and
# GIO's; every text is translated; the .deb and .tar.gz packages build and
# lintian finds nothing.
#   scripts/check-install.sh <build-dir>
set -euo pipefail
build=${1:?usage: scripts/check-install.sh <build-dir>}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
prefix="$work/prefix"

cmake --install "$build" --prefix "$prefix" >/dev/null
desktop-file-validate "$prefix"/share/applications/*.desktop
appstreamcli validate --pedantic --no-net "$prefix"/share/metainfo/*.metainfo.xml
installed=$(find "$prefix" -type f | wc -l)
XDG_DATA_DIRS="$prefix/share" update-mime-database "$prefix/share/mime"
for page in "$prefix"/share/man/man1/*.1.gz; do
  warnings=$(zcat "$page" | LC_ALL=C.UTF-8 groff -man -Tutf8 -ww -z 2>&1)
  [ -z "$warnings" ] || { echo "$page: $warnings" >&2; exit 1; }
done

content="$prefix/share/mindloom"
# Every text of the sources is translated in every catalogue (lupdate finds
# none new or unfinished), and the catalogues are installed.
source=$(cd "$(dirname "$0")/.." && pwd)
lupdate=$(command -v lupdate || echo /usr/lib/qt6/bin/lupdate)
for ts in "$source"/translations/*.ts; do
  cp "$ts" "$work/check.ts"
  (cd "$source" && "$lupdate" -silent -locations none -no-obsolete src apps -ts "$work/check.ts")
  unfinished=$(grep -c 'type="unfinished"' "$work/check.ts" || true)
  [ "$unfinished" -eq 0 ] || { echo "$ts: $unfinished texts untranslated" >&2; exit 1; }
  qm=$(basename "$ts" .ts).qm
  [ -s "$content/translations/$qm" ] || { echo "$qm is not installed" >&2; exit 1; }
done
folder="$work/folder"
mkdir -p "$folder"
# Nothing here may touch the user's own data folder.
export XDG_DATA_HOME="$work/data"
for program in Mindloom Frameloft; do
  version=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$prefix/bin/$program" --version)
  [[ $version == "$program "[0-9]* ]] || { echo "$program --version printed: $version" >&2; exit 1; }
  help=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$prefix/bin/$program" --help)
  [[ $help == "Usage: $program "* ]] || { echo "$program --help printed: $help" >&2; exit 1; }
  # The installed program starts its window offscreen in the folder given
  # and keeps running.
  status=0
  QT_QPA_PLATFORM=offscreen timeout 3 "$prefix/bin/$program" --folder "$folder" >/dev/null 2>&1 || status=$?
  [ "$status" -eq 124 ] || { echo "installed $program --folder ended at once with status $status" >&2; exit 1; }
done

# The shipped samples check clean (exit 0, nothing printed), with no display.
nodisplay=(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM)
for sample in "$content"/*.mem "$content"/*.qas "$content"/*.kba "$content/Options.Cfg"; do
  report=$("${nodisplay[@]}" "$prefix/bin/Mindloom" --folder "$content" --check "$sample") ||
    { echo "Mindloom --check $sample: $report" >&2; exit 1; }
  [ -z "$report" ] || { echo "Mindloom --check $sample: $report" >&2; exit 1; }
done
# No scene is shipped: the start-up scene names the shipped pictures.
printf 'BG=bg.jpg;\r\nZM=zumimouth.jpg;\r\nZMh=90;\r\nZMw=120;\r\nZMx=120;\r\nZMy=90;\r\n\r\n' >"$work/start.scn"
report=$("${nodisplay[@]}" "$prefix/bin/Frameloft" --folder "$content" --check "$work/start.scn") ||
  { echo "Frameloft --check: $report" >&2; exit 1; }
[ -z "$report" ] || { echo "Frameloft --check: $report" >&2; exit 1; }
"${nodisplay[@]}" "$prefix/bin/Frameloft" --folder "$content" --render "$work/start.scn" "$work/start.png"
[ -s "$work/start.png" ] || { echo "Frameloft --render wrote no picture" >&2; exit 1; }

# Opening the kit's files as the desktops do. A package puts the kit's types
# into the system's database beside the game-engine scene type, whose glob
# *.scn ties with the kit's; an install elsewhere keeps them apart: both ways,
# a scene of the kit's gets the kit's type and another .scn file keeps its own,
# both on xdg-utils' generic path (File::MimeInfo's mimetype, taken on plain
# window managers) and on GIO's, and xdg-open starts the kit's program with
# the file. Stand-ins for the programs record how they were started.
merged="$work/merged"
mkdir -p "$merged/mime/packages" "$work/stubs" "$work/home"
cp /usr/share/mime/packages/*.xml "$prefix"/share/mime/packages/*.xml "$merged/mime/packages/"
update-mime-database "$merged/mime" 2>/dev/null
update-desktop-database "$prefix/share/applications"
ln -s "$prefix/share/applications" "$merged/applications"
for program in Mindloom Frameloft; do
  printf '#!/bin/sh\necho "%s $*" >"%s"\n' "$program" "$work/opened" >"$work/stubs/$program"
  chmod +x "$work/stubs/$program"
done
printf '[gd_scene load_steps=2 format=3]\n' >"$work/engine.scn"
printf 'RSCC\0\0\0\1' >"$work/binary.scn"
cp "$content/Astronomy.kba" "$work/facts.kba"
for dirs in "$merged" "$prefix/share:/usr/share"; do
  types=("$work/start.scn=application/x-frameloft-scene" "$work/engine.scn=application/x-godot-scene"
    "$work/facts.kba=application/x-mindloom-knowledge-base")
  # A .scn file that no type's content rule claims goes to the first of the
  # tied globs, which only one database puts in a fixed order.
  [ "$dirs" != "$merged" ] || types+=("$work/binary.scn=application/x-godot-scene")
  desktop=(env -i HOME="$work/home" PATH="$work/stubs:/usr/bin:/bin" XDG_DATA_HOME="$work/home/data"
    XDG_CONFIG_HOME="$work/home/config" XDG_DATA_DIRS="$dirs" DISPLAY=:0 GIO_USE_VFS=local)
  for entry in "${types[@]}"; do
    file=${entry%%=*} type=${entry#*=}
    for path in "mimetype -b" "xdg-mime query filetype" "gio info -a standard::content-type" \
      "XDG_CURRENT_DESKTOP=GNOME xdg-mime query filetype"; do
      found=$("${desktop[@]}" $path "$file" | sed -n 's/^ *standard::content-type: //p; t; /^[^ ]*\/[^ ]*$/p')
      [ "$found" = "$type" ] || { echo "$path $file ($dirs): $found, not $type" >&2; exit 1; }
    done
  done
  for entry in "$work/start.scn=Frameloft" "$work/facts.kba=Mindloom"; do
    file=${entry%%=*} program=${entry#*=}
    rm -f "$work/opened"
    "${desktop[@]}" xdg-open "$file" || { echo "xdg-open $file ($dirs) failed" >&2; exit 1; }
    [ "$(cat "$work/opened")" = "$program $file" ] ||
      { echo "xdg-open $file ($dirs) started: $(cat "$work/opened")" >&2; exit 1; }
  done
done

(cd "$build" && cpack -B "$work/packages" >/dev/null)
deb=$(ls "$work"/packages/*.deb)
contents=$(dpkg-deb --contents "$deb")
grep -q '\./usr/bin/Mindloom$' <<<"$contents"
grep -q 'libqt6widgets6' <<<"$(dpkg-deb --field "$deb" Depends)"
grep -q '/share/applications/.*frameloft\.desktop$' <<<"$(tar -tzf "$work"/packages/*.tar.gz)"
# What a Debian packager checks; pedantic tags are shown and fail as well.
lintian --pedantic --fail-on error,warning,pedantic "$deb"
echo "install check: $installed files installed and validated; packages: $(cd "$work/packages" && ls *.deb *.tar.gz | tr '\n' ' ')"
