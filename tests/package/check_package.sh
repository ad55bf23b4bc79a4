#!/usr/bin/env bash
# Builds the Debian package from a build folder and checks it: the files it
# installs, its dependencies, that the programs it holds run and report the
# version, that its database is whole, and that lintian finds no error.
#   check_package.sh BUILD_DIR VERSION SOURCE_DIR
set -euo pipefail
build=$1 version=$2 source=$3
for tool in cpack dpkg-deb lintian; do
  if ! command -v "$tool" > /dev/null; then
    echo "$tool is not installed (tools/setup.sh installs it): package not checked"
    exit 77
  fi
done
work=$(cd "$build" && pwd)/package-test
rm -rf "$work"
mkdir -p "$work"
fail() {
  echo "FAILED: $*"
  status=1
}
status=0

(cd "$build" && cpack -G DEB -B "$work" > "$work/cpack.log" 2>&1) || { cat "$work/cpack.log"; exit 1; }
deb=$(echo "$work"/kelca_"$version"_*.deb)
[ -f "$deb" ] || { echo "no package kelca_${version}_*.deb in $work"; ls "$work"; exit 1; }

# Every entry owned by root; the programs executable; the menu entry, icon and manual pages in place.
dpkg-deb -c "$deb" > "$work/contents.txt"
awk '$2 != "root/root" {print "not owned by root: " $0}' "$work/contents.txt" | grep . && fail "owners"
for entry in "-rwxr-xr-x ./usr/bin/kelca" "-rwxr-xr-x ./usr/bin/kelca-cli" \
             "-rw-r--r-- ./usr/share/applications/kelca.desktop" \
             "-rw-r--r-- ./usr/share/icons/hicolor/scalable/apps/kelca.svg" \
             "-rw-r--r-- ./usr/share/man/man1/kelca.1.gz" "-rw-r--r-- ./usr/share/man/man1/kelca-cli.1.gz" \
             "-rw-r--r-- ./usr/share/doc/kelca/copyright" "-rw-r--r-- ./usr/share/doc/kelca/changelog.gz" \
             "-rw-r--r-- ./usr/share/kelca/samples/office/OFFICE.PRJ" \
             "-rw-r--r-- ./usr/share/kelca/samples/starter/STARTER.PRJ" \
             "-rwxr-xr-x ./usr/share/kelca/tools/study.sh"; do
  awk -v mode="${entry%% *}" -v path="${entry#* }" '$1 == mode && $6 == path {found = 1} END {exit !found}' \
    "$work/contents.txt" || fail "no $entry"
done
# The whole database, file for file.
expected=$(cd "$source/data" && find db -type f | sort)
packaged=$(awk '$1 ~ /^-/ && $6 ~ /^\.\/usr\/share\/kelca\/db\// {sub("./usr/share/kelca/", "", $6); print $6}' \
             "$work/contents.txt" | sort)
[ "$expected" = "$packaged" ] || fail "the packaged database differs: $(diff <(echo "$expected") <(echo "$packaged"))"

depends=$(dpkg-deb -f "$deb" Depends)
for lib in libc6 libstdc++6 libqt6widgets6 libqt6svg6; do
  [[ ", $depends," == *", $lib "* || ", $depends," == *", $lib,"* ]] || fail "Depends lacks $lib: $depends"
done

# The packaged programs run from the unpacked tree.
dpkg-deb -x "$deb" "$work/root"
usr=$work/root/usr
[ "$("$usr/bin/kelca-cli" --version)" = "kelca-cli $version" ] || fail "kelca-cli --version"
[ "$("$usr/bin/kelca" --version)" = "kelca $version" ] || fail "kelca --version"
"$usr/bin/kelca-cli" db-info "$usr/share/kelca/db" > "$work/db-info.txt" 2>&1 || fail "db-info: $(cat "$work/db-info.txt")"
grep -q '^Exec=kelca$' "$usr/share/applications/kelca.desktop" || fail "the menu entry does not start kelca"

lintian --fail-on error "$deb" > "$work/lintian.txt" 2>&1 || fail "lintian found errors"
cat "$work/lintian.txt"
exit $status
