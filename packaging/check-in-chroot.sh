#!/usr/bin/env bash
# Checks the Debian package on a clean Debian 12: makes a minimal system with
# debootstrap (or reuses ROOT), installs the package there with apt-get, then
# starts the program from its menu entry as an ordinary user under a virtual
# display, on the new database and again on an earlier shop's xssj.db moved
# into place. Needs root and Debian's mirror.
#   packaging/check-in-chroot.sh PACKAGE.deb [ROOT]
set -euo pipefail
deb=$(realpath "$1")
root=${2:-/tmp/xssj-deb12}
if [ ! -x "$root/usr/bin/apt-get" ]; then
    command -v debootstrap >/dev/null || apt-get install -y -qq debootstrap >/dev/null
    debootstrap --variant=minbase bookworm "$root" http://deb.debian.org/debian >/dev/null
fi
cleanup() { umount -l "$root/proc" "$root/dev" 2>/dev/null || true; }
trap cleanup EXIT
mount -t proc proc "$root/proc"
mount --bind /dev "$root/dev"
cp "$deb" "$root/tmp/xssj.deb"
cp /etc/resolv.conf "$root/etc/resolv.conf"

in_root() { chroot "$root" /usr/bin/env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin HOME=/root LANG=C.UTF-8 "$@"; }
in_root apt-get update -qq
# A reused root starts clean: no earlier package, no database left from a previous check.
in_root sh -c 'dpkg -P xssj >/dev/null 2>&1 || true; rm -rf /opt/xssj /tmp/earlier.db'
in_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq /tmp/xssj.deb xvfb xauth xdotool sqlite3 >/dev/null
in_root sh -c 'id shop >/dev/null 2>&1 || useradd -m shop'

echo "installed files:"
in_root ls -l /opt/xssj /usr/share/applications/xssj.desktop /usr/share/icons/hicolor/48x48/apps/xssj.png

# The command of the menu entry, run as the operator under a virtual display:
# after a few seconds the main window must be up and no message box open (a
# missing library or plugin ends the program; a database problem shows a box).
cat > "$root/tmp/start-from-menu.sh" <<'INNER'
command=$(sed -n 's/^Exec=//p' /usr/share/applications/xssj.desktop)
$command &
sleep 5
kill -0 $! || { echo "the program ended early" >&2; exit 1; }
main=$(xdotool search --name '^岚丰销售管理系统$' | wc -l)
boxes=$(xdotool search --name '^信息：$' | wc -l)
kill $!
echo "main windows: $main, message boxes: $boxes"
[ "$main" -ge 1 ] && [ "$boxes" -eq 0 ]
INNER
start_from_menu() {
    in_root su shop -c "xvfb-run -a sh /tmp/start-from-menu.sh"
    echo "started from the menu entry: $1"
}
start_from_menu "new database"
in_root sqlite3 /opt/xssj/xssj.db "PRAGMA integrity_check;" | grep -qx ok

# An earlier shop's file moved into place (here: a demo shop made elsewhere).
in_root /opt/xssj/xssj-newdb /tmp/earlier.db --demo >/dev/null
in_root install -m 0666 /tmp/earlier.db /opt/xssj/xssj.db
start_from_menu "existing database"
echo "sales records in the moved file: $(in_root sqlite3 /opt/xssj/xssj.db 'SELECT count(*) FROM 销售记录;')"
