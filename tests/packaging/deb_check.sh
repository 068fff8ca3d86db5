#!/usr/bin/env bash
# The Debian package as a player gets it: every file in place and nothing of
# setup, dependencies computed from the binaries, no lintian error, valid
# AppStream metadata, desktop entries and man pages, and, unpacked into a
# throwaway root, a quenby that shows its window and finds its help there.
# Usage: deb_check.sh PACKAGE.deb
set -euo pipefail

deb=$(readlink -f "${1:?usage: deb_check.sh PACKAGE.deb}")
[[ -f $deb ]] || { echo "FAIL: no package $deb" >&2; exit 1; }
checks=0
failures=0
check() { # description, then a command that must succeed
  local what=$1
  shift
  checks=$((checks + 1))
  if "$@"; then
    echo "ok   $what"
  else
    echo "FAIL $what" >&2
    failures=$((failures + 1))
  fi
}

contents=$(dpkg-deb --contents "$deb" | awk '{ print $6 }' | sed 's|^\./|/|')
required=(
  /usr/games/quenby /usr/games/tollmere
  /usr/share/games/quenby/quenby.html /usr/share/games/tollmere/tollmere.html
  /usr/share/applications/org.tablewright.Quenby.desktop
  /usr/share/applications/org.tablewright.Tollmere.desktop
  /usr/share/metainfo/org.tablewright.Quenby.metainfo.xml
  /usr/share/metainfo/org.tablewright.Tollmere.metainfo.xml
  /usr/share/man/man6/quenby.6.gz /usr/share/man/man6/tollmere.6.gz
  /usr/share/doc/tablewright-patience/copyright /usr/share/doc/tablewright-patience/changelog.gz
)
for program in quenby tollmere; do
  for sound in SHUFFLE UP DOWN; do required+=("/usr/share/games/$program/$sound.WAV"); done
  for size in 48 256; do required+=("/usr/share/icons/hicolor/${size}x$size/apps/$program.png"); done
done
listed() { grep -qxF "$1" <<<"$contents"; }
for file in "${required[@]}"; do
  check "contains $file" listed "$file"
done
unwanted() { ! grep -Ei '/setup$|setupdlg|setupreg|SetUp\.INF|/usr/bin/|/usr/lib/' <<<"$contents"; }
check "holds nothing of setup and no program outside /usr/games" unwanted

# dpkg-shlibdeps names the libraries the programs link, with versions.
depends=$(dpkg-deb --field "$deb" Depends)
echo "     Depends: $depends"
depends_on() { # library, then "versioned" when a least version must be named
  local entry
  while read -r entry; do
    [[ $entry == "$1" && -z ${2:-} || $entry == "$1 (>= "*")" ]] && return 0
  done < <(tr ',' '\n' <<<"$depends" | sed 's/^ *//')
  return 1
}
for library in libc6 libstdc++6 libqt6core6 libqt6gui6 libqt6widgets6; do
  check "depends on $library (versioned)" depends_on "$library" versioned
done
check "recommends libpulse0 for its sounds and qt6-wayland for Wayland desktops" \
  test "$(dpkg-deb --field "$deb" Recommends)" == "libpulse0, qt6-wayland"
# Xlib is looked up at run time, only under X11.
check "names no libx11-6 of its own" eval '! depends_on libx11-6'

check "is in section games" test "$(dpkg-deb --field "$deb" Section)" == games

lintian_log=$(mktemp)
lintian --tag-display-limit 0 "$deb" >"$lintian_log" 2>&1 || true
sed 's/^/     lintian: /' "$lintian_log"
no_errors() { ! grep -q '^E: ' "$lintian_log"; }
check "lintian reports no error" no_errors
rm -f "$lintian_log"

root=$(mktemp -d "${TMPDIR:-/tmp}/deb-root.XXXXXX")
trap 'rm -rf "$root"' EXIT
dpkg -x "$deb" "$root"
for id in Quenby Tollmere; do
  check "AppStream metadata of $id is valid" \
    appstreamcli validate --no-net "$root/usr/share/metainfo/org.tablewright.$id.metainfo.xml"
  check "desktop entry of $id is valid" \
    desktop-file-validate "$root/usr/share/applications/org.tablewright.$id.desktop"
done
# A player searching the software centre finds each program by these words.
check "quenby's keywords" grep -qx 'Keywords=patience;solitaire;.*Klondike;.*' \
  "$root/usr/share/applications/org.tablewright.Quenby.desktop"
check "tollmere's keywords" grep -qx "Keywords=patience;solitaire;.*Beleaguered Castle;.*" \
  "$root/usr/share/applications/org.tablewright.Tollmere.desktop"
for program in quenby tollmere; do
  page=$root/usr/share/man/man6/$program.6.gz
  man_clean() { [[ -z $(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l "$1" 2>&1 >/dev/null) ]]; }
  check "man page $program(6) renders without warnings" man_clean "$page"
  man_names() { LC_ALL=C.UTF-8 MANWIDTH=80 man -l "$1" 2>/dev/null | grep -q "^NAME"; }
  check "man page $program(6) has a NAME section" man_names "$page"
done
check "setup left out" test ! -e "$root/usr/games/setup"
# Every screenshot the metadata names is one kept in the repository.
shots=$(cd "$(dirname "$0")/../../packaging/screenshots" && pwd)
for url in $(cat "$root"/usr/share/metainfo/*.xml | sed -n 's|.*<image>\(.*\)</image>.*|\1|p'); do
  check "screenshot $url is kept in packaging/screenshots" test -f "$shots/${url##*/screenshots/}"
done

# The unpacked quenby: its window, and its help read from /usr/share/games.
# Then the help file is taken away and F1 must show something else: the
# "could not be found" page, which proves the first page was the real file.
started() {
  bash "$(dirname "$0")/deb_start.sh" "$root/usr/games/quenby" "$root/usr/share/games/quenby/quenby.html"
}
check "the unpacked quenby shows its window and finds its help" started

echo "$((checks - failures)) passed, $failures failed"
((failures == 0))
