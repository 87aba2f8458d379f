#!/usr/bin/env bash
# Checks a Debian package of the game with each ecosystem's own checker, then unpacks it and starts the
# installed game in Xvfb: tests/package/check_package.sh PACKAGE.deb PACKAGE_TESTS_PROGRAM
set -euo pipefail
deb=$(realpath "$1")
package_tests=$2
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
fail() { echo "check_package: $*" >&2; exit 1; }

# Debian's rules for packages: no error and no warning (what it notes at the level info: docs/ARCHITECTURE.md).
lintian --fail-on error,warning "$deb" 2> >(grep -v "running with root privileges" >&2) ||
  fail "lintian found errors or warnings"

dpkg-deb -x "$deb" "$root"
# The game's package holds the game alone: no other tool of the project, and nothing that pulls in MPI.
if dpkg-deb -c "$deb" | grep -qi -e census -e mpi; then fail "the package holds files of other tools"; fi
if dpkg-deb -f "$deb" Depends Recommends | grep -qi mpi; then fail "the package depends on MPI"; fi
for program in "$root"/usr/games/*; do
  if readelf -d "$program" | grep NEEDED | grep -qi mpi; then fail "$program needs MPI"; fi
done
[ "$(ls "$root"/usr/games)" = "$(printf 'vantrel\nvantrel-cli')" ] || fail "other programs than vantrel and vantrel-cli"

desktop-file-validate "$root"/usr/share/applications/*.desktop || fail "the desktop entry is not valid"
appstreamcli validate --no-net --strict "$root"/usr/share/metainfo/*.xml >/dev/null ||
  fail "the AppStream metadata is not valid: appstreamcli validate --no-net --strict $root/usr/share/metainfo/*"
for page in "$root"/usr/share/man/man6/*.6.gz; do
  warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l "$page" 2>&1 >/dev/null)
  [ -z "$warnings" ] || fail "$(basename "$page"): $warnings"
done

VANTREL_PACKAGE_ROOT=$root "$package_tests"
