#!/usr/bin/env bash
# Installs the Kelca Debian package on a fresh, minimal Debian 12 and checks it
# as a user would: the install with apt-get's help, the programs, the menu
# entry, the icon, the manual pages, a sample run with the installed database,
# and the desktop program started from its menu entry under Xvfb, with a
# screenshot of its first start.
#   tools/try_package_fresh.sh [DEB]   default: the newest build*/kelca_*.deb
# Needs root. The Debian root is made once by debootstrap in $KELCA_FRESH_DIR
# (default /tmp/kelca-fresh) and kept pristine; each run installs into a copy of
# it, and the downloaded packages are kept for the next run. Prints PASS or FAIL
# a check, leaves the screenshots and logs in $KELCA_FRESH_DIR/out and exits 1
# when a check failed.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
deb=${1:-$(ls -t "$top"/build*/kelca_*.deb "$top"/build*/package-test/kelca_*.deb 2>/dev/null | head -n 1 || true)}
[ -f "$deb" ] || { echo "No package: give its path, or make one with (cd build && cpack -G DEB)"; exit 2; }
[ "$(id -u)" -eq 0 ] || { echo "Run as root (debootstrap and chroot)"; exit 2; }
deb=$(cd "$(dirname "$deb")" && pwd)/$(basename "$deb")
version=$(dpkg-deb -f "$deb" Version)

fresh=${KELCA_FRESH_DIR:-/tmp/kelca-fresh}
base=$fresh/bookworm root=$fresh/root cache=$fresh/apt-archives out=$fresh/out
mirror=http://deb.debian.org/debian

if ! command -v debootstrap > /dev/null; then
  echo "Installing: debootstrap"
  apt-get update -qq > /dev/null
  DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends debootstrap > /dev/null 2>&1
fi
if [ ! -f "$base/.kelca-complete" ]; then
  echo "Making a minimal Debian 12 in $base (a few minutes, once)"
  rm -rf "$base"
  mkdir -p "$fresh"
  debootstrap --variant=minbase bookworm "$base" "$mirror" > "$fresh/debootstrap.log" 2>&1 ||
    { tail -n 20 "$fresh/debootstrap.log"; exit 1; }
  touch "$base/.kelca-complete"
fi

# A fresh copy of the pristine root for this run, with /proc, /dev and the kept
# downloads mounted in it; all unmounted on exit.
mounts=()
cleanup() {
  local i
  for ((i = ${#mounts[@]} - 1; i >= 0; i--)); do
    umount "${mounts[i]}" 2> /dev/null || umount -l "${mounts[i]}" 2> /dev/null || true
  done
}
trap cleanup EXIT
mount_in() { # mount_in TARGET MOUNT-ARGUMENTS...
  mount "${@:2}" "$root$1"
  mounts+=("$root$1")
}
# Whatever a killed run left mounted goes first, so that removing the old copy
# never reaches the machine's own /dev.
mapfile -t mounts < <(awk -v r="$root/" 'index($2, r) == 1 {print $2}' /proc/mounts)
cleanup
mounts=()
rm -rf --one-file-system "$root" "$out"
mkdir -p "$cache" "$out"
cp -a "$base" "$root"
mount_in /proc -t proc proc
mount_in /dev --bind /dev
mount_in /dev/pts --bind /dev/pts
mount_in /var/cache/apt/archives --bind "$cache"
cp /etc/resolv.conf "$root/etc/resolv.conf"
echo force-unsafe-io > "$root/etc/dpkg/dpkg.cfg.d/throwaway-root" # no fsync: this copy is thrown away
cp "$deb" "$root/tmp/"

# in_root COMMAND...: runs a command in the fresh system as root, with a clean environment.
in_root() {
  chroot "$root" /usr/bin/env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin HOME=/root LANG=C.UTF-8 \
    DEBIAN_FRONTEND=noninteractive "$@"
}
# as_user COMMAND...: runs a command as the fresh system's ordinary user, in its home.
as_user() {
  chroot --userspec=tester:tester "$root" /usr/bin/env -i PATH=/usr/local/bin:/usr/bin:/bin \
    HOME=/home/tester USER=tester LANG=C.UTF-8 /bin/sh -c 'cd "$HOME" && exec "$@"' sh "$@"
}
apt_install() { in_root apt-get install -y -qq --no-install-recommends "$@" >> "$out/apt.log" 2>&1; }

passed=0 failed=0
check() { # check NAME COMMAND...: PASS when the command succeeds
  local name=$1
  shift
  if "$@" >> "$out/checks.log" 2>&1; then
    echo "PASS: $name"
    passed=$((passed + 1))
  else
    echo "FAIL: $name (see $out/checks.log)"
    failed=$((failed + 1))
  fi
}

echo "Installing $(basename "$deb") on a fresh Debian $(cat "$root/etc/debian_version") in $root"
in_root apt-get update -qq > "$out/apt.log" 2>&1 || { cat "$out/apt.log"; exit 1; }
if in_root dpkg -i "/tmp/$(basename "$deb")" > "$out/dpkg.log" 2>&1; then
  echo "note: dpkg -i found every dependency already installed"
fi
in_root apt-get install -f -y -qq >> "$out/apt.log" 2>&1 || true
check "dpkg -i, then apt-get install -f: kelca $version installed" \
  sh -c "chroot '$root' dpkg-query -W -f='\${Status} \${Version}' kelca | grep -qx 'install ok installed $version'"
in_root useradd -m tester

prints() { # prints TEXT COMMAND...: the command prints exactly TEXT
  local text=$1 got
  shift
  got=$("$@" 2>&1) && [ "$got" = "$text" ] || { echo "expected '$text', got '$got'"; return 1; }
}
check "kelca --version" prints "kelca $version" as_user kelca --version
check "kelca-cli --version" prints "kelca-cli $version" as_user kelca-cli --version
check "programs in /usr/bin" test -x "$root/usr/bin/kelca" -a -x "$root/usr/bin/kelca-cli"
check "database in /usr/share/kelca/db" as_user kelca-cli db-info /usr/share/kelca/db
check "samples in /usr/share/kelca/samples" \
  test -f "$root/usr/share/kelca/samples/office/OFFICE.PRJ" -a -f "$root/usr/share/kelca/samples/starter/STARTER.PRJ"

# The menu entry: valid, and its program and icon installed.
apt_install desktop-file-utils
desktop=$(cd "$root" && ls usr/share/applications/*.desktop 2> /dev/null | head -n 1 || true)
check "menu entry /$desktop valid" in_root desktop-file-validate "/$desktop"
exec_line=$(sed -n 's/^Exec=//p' "$root/$desktop" | head -n 1 | sed 's/ *%[fFuUick]//g')
icon=$(sed -n 's/^Icon=//p' "$root/$desktop" | head -n 1)
check "menu entry's program '$exec_line' installed" as_user sh -c "command -v '${exec_line%% *}'"
check "menu entry's icon '$icon' installed" sh -c "ls '$root'/usr/share/icons/hicolor/*/apps/'$icon'.* | grep -q ."

apt_install man-db
for page in kelca kelca-cli; do
  check "manual page $page(1)" sh -c "chroot '$root' man -w $page | grep -qx '/usr/share/man/man1/$page.1.gz' &&
    chroot '$root' env MANWIDTH=80 man -P cat $page 2> /dev/null | grep -q '^NAME'"
done

# A sample run as a user would: the installed sample office copied to a folder of one's own.
as_user cp -r /usr/share/kelca/samples/office office
check "kelca-cli energy on a copy of the sample office" \
  as_user sh -c 'cd office && kelca-cli energy OFFICE.PRJ --db /usr/share/kelca/db'
check "kelca-cli assess on it" as_user sh -c 'cd office && kelca-cli assess OFFICE.PRJ --db /usr/share/kelca/db \
  --res OFFICE_R.RES --csv OFFICE.CSV --lcc OFFICE.LCC && test -s OFFICE_R.RES -a -s OFFICE.CSV -a -s OFFICE.LCC'

# The desktop program started as its menu entry does, at a first start (a new
# home, no settings file), under Xvfb: a screenshot of what it offers, then
# Enter on the offer, the remembered folder and a screenshot of the result.
apt_install xvfb xauth x11-apps imagemagick xdotool
cat > "$root/tmp/first_start.sh" << EOF
#!/bin/sh
$exec_line > /tmp/kelca-gui.log 2>&1 &
program=\$!
sleep 8
import -window root /tmp/first-start.png
xdotool key Return
sleep 4
import -window root /tmp/after-yes.png
cat "\$HOME/.config/kelca/LCA_ZQ_Str.TXT" > /tmp/remembered.txt 2>&1
kill \$program || { echo "the desktop program had ended: \$(cat /tmp/kelca-gui.log)"; exit 1; }
EOF
chmod 755 "$root/tmp/first_start.sh"
in_root install -d -o tester -g tester /home/first-start
check "desktop program started from the menu entry under Xvfb, still running after 12 s" sh -c "
  chroot --userspec=tester:tester '$root' /usr/bin/env -i PATH=/usr/local/bin:/usr/bin:/bin \
    HOME=/home/first-start USER=tester LANG=C.UTF-8 \
    xvfb-run -a -s '-screen 0 1280x800x24' /tmp/first_start.sh && test -s '$root/tmp/first-start.png'"
check "first start offers the installed database, Enter loads and remembers it" \
  grep -q '/usr/share/kelca/db' "$root/tmp/remembered.txt"
cp "$root"/tmp/first-start.png "$root"/tmp/after-yes.png "$root"/tmp/kelca-gui.log "$root"/tmp/remembered.txt \
  "$out/" 2> /dev/null || true
echo "Screenshots: $out/first-start.png (first start), $out/after-yes.png (after Enter)"
echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
