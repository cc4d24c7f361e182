#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Puts the licence's SPDX line at the top of every source file of the tree, in
# the file's own comment syntax (after a #! line or an XML declaration, which
# must stay first). A file that has the line already is left as it is, so the
# script can be run again whenever files were added.
#   scripts/add-spdx.sh           add the line where it is missing
#   scripts/add-spdx.sh --check   list the files without it; exit 1 if any
# The program folder's files, the test and fuzz data, pictures, translations
# and the package's changelog and copyright file are no sources: they are
# stored byte for byte or have a format of their own.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
check=0
[ "${1:-}" != "--check" ] || check=1
code=GPL-3.0-or-later

files() {
  if git -C "$root" rev-parse --is-inside-work-tree >/dev/null 2>&1; then
    git -C "$root" ls-files --cached --others --exclude-standard
  else
    (cd "$root" && find . -type f ! -path './build*' ! -path './.git/*' | sed 's|^\./||')
  fi
}

# The comment that holds the line in this file, or nothing for no source.
comment() {
  local file=$1 licence=$code
  case $file in
  assets/* | */data/* | fuzz/seeds/* | docs/* | translations/*.ts | LICENSE | README.md | .git* | */.git* | \
    .clang-format | packaging/changelog.in | packaging/copyright | *.png | *.jpg) return ;;
  esac
  case $file in
  *.metainfo.xml.in) licence=CC0-1.0 ;;
  esac
  case $file in
  *.cpp | *.h) echo "// SPDX-License-Identifier: $licence" ;;
  CMakeLists.txt | */CMakeLists.txt | *.cmake | *.sh | *.supp | *.desktop.in) echo "# SPDX-License-Identifier: $licence" ;;
  *.1.in) echo ".\\\" SPDX-License-Identifier: $licence" ;;
  *.xml | *.xml.in) echo "<!-- SPDX-License-Identifier: $licence -->" ;;
  *) if head -c 2 "$root/$file" | grep -q '^#!'; then echo "# SPDX-License-Identifier: $licence"; fi ;;
  esac
}

# The whole script is read before it runs, as it may add the line to itself.
main() {
  local missing=0 file line first tmp
  while IFS= read -r file; do
    [ -f "$root/$file" ] || continue
    line=$(comment "$file")
    [ -n "$line" ] || continue
    head -n 3 "$root/$file" | grep -q 'SPDX-License-Identifier:' && continue
    if ((check)); then
      echo "$file: no SPDX-License-Identifier line"
      missing=1
      continue
    fi
    first=$(head -n 1 "$root/$file")
    tmp=$(mktemp)
    if [[ $first == '#!'* || $first == '<?xml'* ]]; then
      { printf '%s\n%s\n' "$first" "$line"; tail -n +2 "$root/$file"; } >"$tmp"
    else
      { printf '%s\n' "$line"; cat "$root/$file"; } >"$tmp"
    fi
    # Keep the file's mode (scripts stay executable).
    cat "$tmp" >"$root/$file"
    rm -f "$tmp"
  done < <(files)
  return $missing
}
main "$@"; exit $?
