#!/usr/bin/env bash
# Installs a built tree into a temporary prefix and checks what a desktop
# sees: the desktop entries, the AppStream metadata, the MIME types and the
# manual pages validate, the installed programs answer --version and --help
# without a display, start in a folder given with --folder, find the shipped
# samples clean with --check and draw a scene with --render, and the .deb and
# .tar.gz packages build.
#   scripts/check-install.sh <build-dir>
set -euo pipefail
build=${1:?usage: scripts/check-install.sh <build-dir>}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
prefix="$work/prefix"

cmake --install "$build" --prefix "$prefix" >/dev/null
desktop-file-validate "$prefix"/share/applications/*.desktop
appstreamcli validate --no-net "$prefix"/share/metainfo/*.metainfo.xml
installed=$(find "$prefix" -type f | wc -l)
XDG_DATA_DIRS="$prefix/share" update-mime-database "$prefix/share/mime"
for page in "$prefix"/share/man/man1/*.1; do
  warnings=$(LC_ALL=C.UTF-8 groff -man -Tutf8 -ww -z "$page" 2>&1)
  [ -z "$warnings" ] || { echo "$page: $warnings" >&2; exit 1; }
done

content="$prefix/share/mindloom"
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

(cd "$build" && cpack -B "$work/packages" >/dev/null)
deb=$(ls "$work"/packages/*.deb)
contents=$(dpkg-deb --contents "$deb")
grep -q '\./usr/bin/Mindloom$' <<<"$contents"
grep -q 'libqt6widgets6' <<<"$(dpkg-deb --field "$deb" Depends)"
grep -q '/share/applications/.*Frameloft\.desktop$' <<<"$(tar -tzf "$work"/packages/*.tar.gz)"
echo "install check: $installed files installed and validated; packages: $(cd "$work/packages" && ls *.deb *.tar.gz | tr '\n' ' ')"
