#!/usr/bin/env bash
# The Debian package CPack makes from the build: lintian finds no error in it, and it carries what
# a desktop and a software centre read. Its warnings are shown, not failed on.
# Usage: deb_lintian.sh BUILD_DIR
set -u
build=$(realpath "$1")
fail() { echo "FAIL: $*"; exit 1; }
command -v lintian >/dev/null || fail "lintian is not installed (scripts/install-deps.sh)"
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT

# -B keeps the package and its staging tree out of the build folder.
cpack --config "$build/CPackConfig.cmake" -G DEB -B "$out" >"$out/cpack.log" 2>&1 ||
  fail "cpack failed: $(cat "$out/cpack.log")"
deb=$(compgen -G "$out/*.deb" | head -n1)
[[ -n $deb ]] || fail "cpack made no .deb"

report=$(lintian --no-cfg "$deb" 2>&1 | grep -v 'running with root privileges')
grep -q '^E:' <<<"$report" && fail "lintian: $report"
grep '^W:' <<<"$report"

files=$(dpkg-deb -c "$deb" | awk '{print $6}')
for f in ./usr/bin/felux ./usr/share/applications/io.github.felux.Felux.desktop \
  ./usr/share/metainfo/io.github.felux.Felux.metainfo.xml ./usr/share/man/man1/felux.1.gz \
  ./usr/share/doc/felux/copyright ./usr/share/doc/felux/changelog.gz; do
  grep -qx -- "$f" <<<"$files" || fail "the package lacks $f"
done
# The changelog's newest entry is this package's version.
dpkg-deb -x "$deb" "$out/root"
version=$(dpkg-deb -f "$deb" Version)
top=$(zcat "$out/root/usr/share/doc/felux/changelog.gz" | head -n1)
[[ $top == "felux ($version) "* ]] || fail "changelog starts '$top', the package is $version"
echo "deb_lintian: 1 passed, 0 failed"
