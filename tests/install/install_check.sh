#!/usr/bin/env bash
# Usage: install_check.sh BUILD_DIR SOURCE_DIR
set -euo pipefail
build=$(realpath "$1")
source=$(realpath "$2")
stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT
fail() { echo "install check: $*" >&2; exit 1; }

DESTDIR="$stage" cmake --install "$build" --prefix /usr >/dev/null
root=$stage/usr
id=com.example.babyname

# The program folder holds the program and its store; the commands are links into it.
[ -x "$root/lib/babyname/babyname" ] || fail "no program in the program folder"
[ -f "$root/lib/babyname/config/tarnwick.dat" ] || fail "no name store beside the program"
for command in babyname babyname-suggest; do
  [ -L "$root/bin/$command" ] || fail "bin/$command is not a link"
  [ "$(realpath "$root/bin/$command")" = "$root/lib/babyname/$command" ] || fail "bin/$command points elsewhere"
done

desktop-file-validate "$root/share/applications/$id.desktop" || fail "desktop entry"
appstreamcli validate --no-net --pedantic "$root/share/metainfo/$id.metainfo.xml" || fail "metainfo"
for size in 16 32 48 64 128 256; do
  icon=$root/share/icons/hicolor/${size}x${size}/apps/$id.png
  [ "$(identify -format '%wx%h' "$icon")" = "${size}x${size}" ] || fail "icon $size"
done

# The licence and the release history where Debian keeps them; the manual pages where man
# finds them by name.
[ -f "$root/share/doc/babyname/copyright" ] || fail "no copyright file"
[ "$(gzip -dc "$root/share/doc/babyname/changelog.gz" | sed -n 1p)" = "babyname (0.1.0) unstable; urgency=medium" ] ||
  fail "changelog.gz"
for command in babyname babyname-suggest lunarcal; do
  page=$(MANPATH=$root/share/man MANWIDTH=80 man -P cat "$command" 2>&1) || fail "man $command: $page"
  [[ $page == *"$command - "* ]] || fail "man $command shows no NAME line"
done

# The installed tools, through the links on the PATH.
grid=$("$root/bin/babyname-suggest" --family 王 --sex 女 --length 三字)
[ "$(printf '%s\n' "$grid" | wc -l)" -eq 11 ] || fail "babyname-suggest printed no grid"
# The readings of family names are part of the installed program.
read=$("$root/bin/babyname-suggest" --family 单 --sex 女 --length 三字 --readings)
[[ "$read" == 单*' shàn '* ]] || fail "babyname-suggest --readings did not read 单 as shàn"
if [ -e "$root/bin/lunarcal" ]; then
  [[ "$("$root/bin/lunarcal" --tsv 2024-02-10)" == *$'\t'* ]] || fail "lunarcal"
fi

# The installed program, in a real window: a press fills the grid from the installed store.
mkdir -p "$stage/run"
ln -s "$root/bin/babyname" "$stage/run/babyname"
bash "$source/scripts/e2e-window.sh" "$stage/run" "$stage/run/shots" >/dev/null || fail "installed program"

# The package holds exactly the installed files.
(cd "$build" && cpack -G DEB >/dev/null) || fail "cpack"
deb=$(ls -t "$build"/babyname_*.deb | sed -n 1p)
listing=$(dpkg-deb -c "$deb" | awk '{print $6}')
for path in ./usr/lib/babyname/babyname ./usr/lib/babyname/config/tarnwick.dat \
            ./usr/bin/babyname ./usr/bin/babyname-suggest ./usr/share/applications/$id.desktop \
            ./usr/share/metainfo/$id.metainfo.xml ./usr/share/icons/hicolor/256x256/apps/$id.png \
            ./usr/share/doc/babyname/copyright ./usr/share/doc/babyname/changelog.gz \
            ./usr/share/man/man1/babyname.1.gz ./usr/share/man/man1/babyname-suggest.1.gz \
            ./usr/share/man/man1/lunarcal.1.gz; do
  grep -qxF "$path" <<<"$listing" || fail "$path missing from the package"
done
stray=$(grep -vE '^\./usr/(bin|lib/babyname|share/(applications|metainfo|icons/hicolor|doc/babyname|man/man1))(/|$)|^\./(usr(/lib|/share|/share/icons|/share/doc|/share/man)?/?)?$' <<<"$listing" || true)
[ -z "$stray" ] || fail "unexpected files in the package: $stray"
# (grep reads a variable, not a pipe: an early exit of grep -q would fail the pipe.)
info=$(dpkg-deb -I "$deb")
grep -q 'Depends:.*libsqlcipher' <<<"$info" || fail "package dependencies"
# Any Chinese font will do; the Wayland plugin is welcome but not needed.
grep -qE 'Depends:.*fonts-[a-z-]+ \| fonts-' <<<"$info" || fail "no choice of Chinese fonts"
grep -qE 'Recommends:.*qt6-wayland' <<<"$info" || fail "qt6-wayland not recommended"
# lintian has nothing to say: no error and no warning.
verdict=$(lintian "$deb" 2>/dev/null) || fail "lintian failed: $verdict"
[ -z "$verdict" ] || fail "lintian: $verdict"
echo "install check: passed"
