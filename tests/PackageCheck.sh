#!/usr/bin/env bash
# Makes the Debian package from a configured build folder with cpack and checks it as apt,
# dpkg and a software centre see it: its files, its Depends, lintian, the AppStream metadata,
# the manual pages, the packaged program, and an install and purge in a throwaway root.
# Usage: tests/PackageCheck.sh BUILD_DIR SCRATCH_DIR VERSION SANITIZED(ON|OFF)
set -euo pipefail
build=$1 scratch=$2 version=$3 sanitized=$4
here=$(cd "$(dirname "$0")" && pwd)
fail() {
  echo "package: $*" >&2
  exit 1
}

rm -rf "$scratch"
mkdir -p "$scratch"
if ! cpack -G DEB --config "$build/CPackConfig.cmake" -B "$scratch" >"$scratch/cpack.log" 2>&1; then
  cat "$scratch/cpack.log"
  fail "cpack failed"
fi
deb=$scratch/resam_${version}_amd64.deb
[ -f "$deb" ] || fail "cpack made no $(basename "$deb")"

# The files, exactly: no database the triggers build (mime/globs2, mimeinfo.cache) and nothing
# of the build.
expected="usr/bin/resam
usr/share/applications/resam.desktop
usr/share/doc/resam/changelog.gz
usr/share/doc/resam/copyright
usr/share/icons/hicolor/scalable/apps/resam.svg
usr/share/man/man1/resam.1.gz
usr/share/man/ru/man1/resam.1.gz
usr/share/metainfo/io.github.resam.resam.metainfo.xml
usr/share/mime/packages/resam.xml"
files=$(dpkg-deb -c "$deb" | awk '$1 !~ /^d/ { sub(/^\.\//, "", $6); print $6 }' | sort)
[ "$files" = "$expected" ] || fail "the package holds other files than expected:
$(diff <(echo "$expected") <(echo "$files"))"

# No maintainer scripts: the MIME and menu databases are rebuilt by dpkg's triggers.
control=$(dpkg-deb --ctrl-tarfile "$deb" | tar -t | sed 's|^\./||' | grep -v '^$' | sort | tr '\n' ' ')
[ "$control" = "control md5sums " ] || fail "the control part holds more than control and md5sums: $control"

# Depends: the Qt libraries as dpkg-shlibdeps found them, the data the program loads by name,
# and nothing only the build needs. A sanitizer build's binary also needs the sanitizers'
# run-time libraries, which a Release build's package does not name.
depends=$(dpkg-deb -f "$deb" Depends | tr ',|' '\n\n' | sed 's/(.*//; s/:any//; s/[[:space:]]//g' | sort -u)
for needed in libc6 libstdc++6 libqt6core6 libqt6gui6 libqt6widgets6 libqt6svg6 fonts-liberation \
  fonts-dejavu-core qt6-translations-l10n; do
  grep -qx "$needed" <<<"$depends" || fail "Depends lacks $needed: $(dpkg-deb -f "$deb" Depends)"
done
build_only='-dev$|^cmake$|^build-essential$|^g\+\+|^gcc|^clang|^libgtest|^libbenchmark|^libfftw3'
[ "$sanitized" = ON ] || build_only+='|^libasan|^libubsan'
if bad=$(grep -E -e "$build_only" <<<"$depends"); then fail "Depends names what only the build needs: $bad"; fi

# lintian: no error and no warning, but for the tags the allow-list explains.
lintian --fail-on error,warning --suppress-tags-from-file "$here/package-lintian-allowed" "$deb" \
  >"$scratch/lintian.log" 2>&1 || {
  cat "$scratch/lintian.log"
  fail "lintian found errors or warnings"
}

root=$scratch/extracted
dpkg-deb -x "$deb" "$root"
appstreamcli validate --no-net "$root/usr/share/metainfo/io.github.resam.resam.metainfo.xml" ||
  fail "the AppStream metadata is not valid"

# The packaged program runs, without a display, and tells the package's version.
program=$root/usr/bin/resam
[ "$("$program" --version)" = "resam $version" ] || fail "resam --version says \"$("$program" --version)\""
mapfile -t options < <("$program" --help | grep -oE -- '--[a-z]+' | sort -u)
[ ${#options[@]} -ge 5 ] || fail "resam --help names no options"

# The manual pages render without a warning and describe every option of --help; the
# metainfo's newest release and the changelog's top entry are this version.
for page in man1/resam.1.gz ru/man1/resam.1.gz; do
  text=$(LC_ALL=C.UTF-8 man --warnings -E UTF-8 -l "$root/usr/share/man/$page" 2>"$scratch/man.err")
  [ ! -s "$scratch/man.err" ] || fail "$page renders with warnings: $(cat "$scratch/man.err")"
  for option in "${options[@]}"; do
    grep -q -- "$option" <<<"$text" || fail "$page does not describe $option"
  done
done
grep -q "<release version=\"$version\"" "$root/usr/share/metainfo/io.github.resam.resam.metainfo.xml" ||
  fail "the metainfo's releases lack $version"
[ "$(zcat "$root/usr/share/doc/resam/changelog.gz" | head -1 | grep -oE '\([^)]*\)')" = "($version)" ] ||
  fail "the changelog's top entry is not $version"

# Install and purge in a throwaway root: everything the package put there goes away.
# dpkg needs root for the files' owners; the host's own dpkg database is not touched.
if [ "$(id -u)" -ne 0 ]; then
  echo "package: install and purge in a throwaway root skipped (needs root)"
  exit 0
fi
target=$scratch/root
mkdir -p "$target/var/lib/dpkg/info" "$target/var/lib/dpkg/updates" "$target/var/lib/dpkg/triggers"
touch "$target/var/lib/dpkg/status"
# The host's path-exclude rules (a slim image drops manual pages) must not thin the check.
in_target=(dpkg --root="$target" --log=/dev/null --force-depends --path-include="*")
"${in_target[@]}" --install "$deb" >"$scratch/dpkg.log" 2>&1 || {
  cat "$scratch/dpkg.log"
  fail "dpkg --install failed"
}
installed=$(cd "$target" && find usr -type f | sort)
[ "$installed" = "$expected" ] || fail "dpkg installed other files than the package lists"
"${in_target[@]}" --purge resam >>"$scratch/dpkg.log" 2>&1 || {
  cat "$scratch/dpkg.log"
  fail "dpkg --purge failed"
}
left=$(cd "$target" && find . -path ./var/lib/dpkg -prune -o ! -type d -print)
[ -z "$left" ] || fail "the purge left files behind: $left"
[ -z "$(find "$target/usr" -mindepth 1 2>/dev/null)" ] || fail "the purge left folders behind"
echo "package: $(basename "$deb") checked"
