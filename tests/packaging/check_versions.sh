#!/bin/sh
# One version and one release day everywhere a user or a packager reads
# them: debian/changelog, the AppStream release and its screenshots (as
# published under this version's tag), the manual page, and CMake's version.
# Usage: check_versions.sh <source tree> <version> <release day> <metainfo file>
set -u
src=$1 version=$2 day=$3 metainfo=$4
status=0
fail() { echo "$*" >&2; status=1; }

changelog=$(dpkg-parsechangelog -l "$src/debian/changelog" -S Version)
[ "$changelog" = "$version" ] || fail "debian/changelog says $changelog, CMake $version"
stamp=$(dpkg-parsechangelog -l "$src/debian/changelog" -S Date)
changelogDay=$(date -u -d "$stamp" +%F)
[ "$changelogDay" = "$day" ] || fail "debian/changelog dates the release $changelogDay, AppStream $day"

grep -q "<release version=\"$version\" date=\"$day\"" "$metainfo" ||
    fail "the AppStream release is not $version of $day"
shots=$(sed -n 's|.*<image>\(.*\)</image>.*|\1|p' "$metainfo")
[ -n "$shots" ] || fail "the AppStream file shows no screenshots"
for url in $shots; do
    case "$url" in
        https://*/v"$version"/docs/screenshots/*) ;;
        *) fail "screenshot $url is not the one published for v$version" ;;
    esac
    [ -f "$src/docs/screenshots/${url##*/}" ] || fail "screenshot $url is not in docs/screenshots"
done

grep -q "^\.TH GROTZEL 6 $day \"Grotzel $version\"" "$src/packaging/grotzel.6" ||
    fail "the manual page is not dated $day for Grotzel $version"
exit $status
