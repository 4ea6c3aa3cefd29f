#!/usr/bin/env bash
# Checks what a built folder (default: build) installs and packages: the layout
# of `cmake --install` in a temporary prefix, the desktop entry, the AppStream
# metainfo, the MIME type of queue files (by name and by content), the icon
# sizes, the manual pages, the Debian package made by `cpack -G DEB` (and
# lintian's verdict on it, when lintian is installed), and that
# the committed pictures are exactly what res/tools/draw_items.py draws.
# Stops with a non-zero status at the first thing that is wrong.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
app_id=org.example.Korvelin
icon_sizes=(16 24 32 48 64 128 256)

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
prefix=$work/prefix

fail() {
  echo "check-install: $*" >&2
  exit 1
}
step() { echo "check-install: $*"; }
# Runs a checker that must succeed and say nothing.
quiet() {
  local out
  out=$("$@" 2>&1) || fail "$1 failed:"$'\n'"$out"
  [ -z "$out" ] || fail "$1 complained:"$'\n'"$out"
}

step "installing $build into a temporary prefix"
cmake --install "$build" --prefix "$prefix" >"$work/install.log" || fail "cmake --install failed: $(cat "$work/install.log")"
(cd "$prefix" && find . -type f | sed 's|^\./||' | sort) >"$work/installed.txt"

for f in bin/korvelin "share/applications/$app_id.desktop" "share/mime/packages/$app_id.xml" \
  "share/metainfo/$app_id.metainfo.xml" share/doc/korvelin/README.md share/doc/korvelin/LICENSE \
  share/doc/korvelin/copyright share/doc/korvelin/changelog.gz; do
  [ -f "$prefix/$f" ] || fail "the install lacks $f"
done

# Every tool the build made, found in the build folder rather than from the
# install rules, so a tool left out of them is caught.
mapfile -t tools < <(find "$build/tools" -mindepth 2 -maxdepth 2 -type f -name 'korvelin-*' -perm -u+x -printf '%f\n' | sort)
[ ${#tools[@]} -gt 0 ] || fail "no tools found under $build/tools"
for tool in "${tools[@]}"; do
  step "tool $tool and its manual page"
  [ -x "$prefix/bin/$tool" ] || fail "the install lacks bin/$tool"
  page=$prefix/share/man/man1/$tool.1.gz
  [ -f "$page" ] || fail "the install lacks share/man/man1/$tool.1.gz"
  version=$("$prefix/bin/$tool" --version) || fail "$tool --version failed"
  MANWIDTH=80 man --warnings -l "$page" >"$work/page.txt" 2>"$work/page.err" || fail "man cannot render $tool.1"
  [ ! -s "$work/page.err" ] || fail "man warns about $tool.1: $(cat "$work/page.err")"
  grep -q '^SYNOPSIS' "$work/page.txt" || fail "$tool.1 has no SYNOPSIS (does --help start with 'Usage: $tool'?)"
  grep -qF "$version" "$work/page.txt" || fail "$tool.1 does not name the version '$version'"
done

step "desktop-file-validate"
quiet desktop-file-validate "$prefix/share/applications/$app_id.desktop"

step "appstreamcli validate"
appstreamcli validate --no-net "$prefix/share/metainfo/$app_id.metainfo.xml" ||
  fail "appstreamcli rejects the metainfo"
appstreamcli validate-tree --no-net "$prefix" || fail "appstreamcli rejects the installed tree"

step "MIME type of queue files"
XDG_DATA_DIRS="$prefix/share" quiet update-mime-database "$prefix/share/mime"
[ -f "$prefix/share/mime/mime.cache" ] || fail "update-mime-database made no mime.cache"
mkdir "$work/files" "$work/home"
printf 'not a queue\n' >"$work/files/named.bql"
cp tests/data/three-entry-queue/queue.bql "$work/files/queue-without-extension"
printf 'Temperature=35\r\n' >"$work/files/notes"
# Only the prefix's compiled database is read: an installed copy elsewhere cannot make this pass.
mime_of() {
  XDG_DATA_HOME="$work/home" XDG_DATA_DIRS="$prefix/share" GIO_USE_VFS=local \
    gio info -a standard::content-type "$work/files/$1" | sed -n 's/^ *standard::content-type: //p'
}
for name in named.bql queue-without-extension; do
  type=$(mime_of "$name")
  [ "$type" = application/x-korvelin-queue ] || fail "$name is '$type', not application/x-korvelin-queue"
done
type=$(mime_of notes)
[ "$type" != application/x-korvelin-queue ] || fail "a file that is no queue is taken for one"

step "icons"
mapfile -t installed_icons < <(grep "^share/icons/" "$work/installed.txt")
[ ${#installed_icons[@]} -eq ${#icon_sizes[@]} ] || fail "expected ${#icon_sizes[@]} icons, found: ${installed_icons[*]}"
for size in "${icon_sizes[@]}"; do
  icon=$prefix/share/icons/hicolor/${size}x${size}/apps/$app_id.png
  [ -f "$icon" ] || fail "the install lacks the ${size}x${size} icon"
  described=$(file -b "$icon")
  [[ "$described" == "PNG image data, $size x $size,"* ]] || fail "the ${size}x${size} icon is $described"
done

step "committed pictures match their drawing"
python3 res/tools/draw_items.py --out "$work/drawn"
(cd "$work/drawn" && find . -type f | sed 's|^\./||' | sort) >"$work/drawn.txt"
(cd res && find items icons korvelin.qrc -type f | sort) >"$work/committed.txt"
diff "$work/drawn.txt" "$work/committed.txt" >&2 || fail "res/ and the drawing list different files"
while read -r f; do
  cmp -s "$work/drawn/$f" "res/$f" || fail "res/$f differs from what res/tools/draw_items.py draws"
done <"$work/drawn.txt"

step "Debian package"
(cd "$build" && cpack -G DEB >"$work/cpack.log" 2>&1) || fail "cpack failed: $(cat "$work/cpack.log")"
version=$("$prefix/bin/korvelin-report" --version | cut -d' ' -f2)
deb=$build/korvelin_${version}_$(dpkg --print-architecture).deb
[ -f "$deb" ] || fail "cpack made no $deb"
depends=$(dpkg-deb -f "$deb" Depends)
echo "Depends: $depends"
for needed in libc6 libstdc++6 libqt6core6 libqt6gui6 libqt6widgets6 qt6-qpa-plugins; do
  [[ ", $depends," == *", $needed "* || ", $depends," == *", $needed,"* ]] || fail "Depends lacks $needed"
done
[ "$(dpkg-deb -f "$deb" Package)" = korvelin ] || fail "the package is not named korvelin"
[ "$(dpkg-deb -f "$deb" Version)" = "$version" ] || fail "the package version is not $version"
dpkg-deb -c "$deb" >"$work/deb-list.txt"
# The package holds exactly what `cmake --install` lays out, under /usr, owned
# by root, with plain permissions.
grep '^-' "$work/deb-list.txt" | awk '{print $6}' | sed 's|^\./usr/||' | sort >"$work/packaged.txt"
diff "$work/installed.txt" "$work/packaged.txt" >&2 || fail "the package and the install hold different files"
awk '$2 != "root/root" || ($1 !~ /^(drwxr-xr-x|-rw-r--r--|-rwxr-xr-x)$/) { print; bad = 1 } END { exit bad }' \
  "$work/deb-list.txt" >&2 || fail "the package has odd owners or permissions"

# Lintian's errors are what Debian refuses; its warnings and notes are shown.
if command -v lintian >/dev/null; then
  step "lintian"
  status=0
  lintian --allow-root "$deb" >"$work/lintian.txt" 2>&1 || status=$?
  cat "$work/lintian.txt"
  [ "$status" -le 1 ] || fail "lintian could not check the package (status $status)"
  ! grep -q '^E: ' "$work/lintian.txt" || fail "lintian reports errors"
else
  step "lintian is not installed; the package's Debian checks are skipped"
fi

step "all passed"
