#!/usr/bin/env bash
# Builds the Debian package and checks it: its fields and file list, its software-centre and
# desktop entries, and the commands unpacked into a temporary root (no root rights needed),
# where lorvane-cli must analyze a map and find its report templates beside itself.
# Usage: scripts/check-package.sh [BUILD_FOLDER]  (default: a Release build in build/package;
# a folder given is packed as it is built, see scripts/package.sh)
set -euo pipefail
cd "$(dirname "$0")/.."

build=${1:-build/package}
scripts/package.sh "$@"
debs=("$build"/lorvane_*.deb)
[ ${#debs[@]} -eq 1 ] || { echo "expected one package, found: ${debs[*]}" >&2; exit 1; }
deb=${debs[0]}
program=usr/lib/lorvane
app_id=org.lorvane.lorvane

failures=0
fail() {
  echo "package check failed: $*" >&2
  failures=$((failures + 1))
}

echo "== Package fields of $deb"
dpkg-deb -f "$deb" Package Version Section Maintainer Depends
[ "$(dpkg-deb -f "$deb" Package)" = lorvane ] || fail "package name"
depends=$(dpkg-deb -f "$deb" Depends)
for library in libc6 libstdc++6 libqt6widgets6 libqt6svg6 libqt6printsupport6; do
  [[ "$depends" == *"$library"* ]] || fail "Depends lacks $library"
done

echo "== File list"
listing=$(dpkg-deb -c "$deb")
# Paths with their mode; a symlink's line ends in "-> target".
paths=$(awk '{print $1, $6}' <<<"$listing")
expect() {
  grep -qxF -e "$1 ./$2" <<<"$paths" || fail "missing $1 ./$2"
}
for command in lorvane lorvane-cli; do
  expect -rwxr-xr-x "$program/$command"
  expect lrwxrwxrwx "usr/bin/$command"
done
while IFS= read -r file; do
  expect -rw-r--r-- "$program/${file#data/}"
done < <(find data -type f ! -name .gitkeep | sort)
expect -rw-r--r-- "usr/share/applications/$app_id.desktop"
expect -rw-r--r-- "usr/share/metainfo/$app_id.metainfo.xml"
expect -rw-r--r-- usr/share/mime/packages/lorvane-map.xml
expect -rw-r--r-- usr/share/icons/hicolor/scalable/apps/lorvane.svg
expect -rw-r--r-- usr/share/man/man1/lorvane-cli.1.gz
expect -rw-r--r-- usr/share/man/man1/lorvane.1.gz
awk '{print $2}' <<<"$listing" | grep -vqx root/root && fail "a file not owned by root"

root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
dpkg-deb -x "$deb" "$root"

echo "== Software-centre and desktop entries"
appstreamcli validate --no-net "$root/usr/share/metainfo/$app_id.metainfo.xml" ||
  fail "appstreamcli validate"
desktop-file-validate "$root/usr/share/applications/$app_id.desktop" || fail "desktop-file-validate"
zcat "$root/usr/share/man/man1/lorvane-cli.1.gz" | grep -qx '\.SH SYNOPSIS' || fail "manual page"

echo "== Commands run from the unpacked package"
for command in lorvane lorvane-cli; do
  missing=$(ldd "$root/$program/$command" | grep 'not found' || true)
  [ -z "$missing" ] || fail "$command lacks libraries: $missing"
done
cli=$root/usr/bin/lorvane-cli
result=$("$cli" analyze --vars 3 --ones 2,3,5,7) || fail "analyze from the unpacked package"
[ "${result%%$'\n'*}" = '|A*B+A*C' ] || fail "analyze printed: $result"
# The report is built from the templates beside the executable the link leads to.
report=$root/report.htm
if "$cli" report "$report" --vars 3 --ones 2,3,5,7 --truth-table 2>/dev/null; then
  grep -qF '<title>Karnaugh Map Report</title>' "$report" || fail "report lacks its template"
  grep -qF '|A*B+A*C' "$report" || fail "report lacks the result"
else
  fail "report from the unpacked package"
fi

if [ "$failures" -ne 0 ]; then
  echo "Package check: $failures failures." >&2
  exit 1
fi
echo "Package check passed: $deb"
