#!/usr/bin/env bash
# The Debian package: built with cpack, its file list and control fields
# checked, lintian run (no error, no warning). As root on Debian it is then
# installed for real with apt-get (dependencies pulled, recommendations not,
# to keep the machine as it was), the installed launcher runs as a throwaway
# user with a private home, and the purge must leave nothing of the package
# under /opt, /usr or /etc and the user's home untouched. Every change to the
# machine is undone at exit, also after a failure half-way.
. "$(dirname "$0")/lib.sh"

for tool in cpack dpkg-deb lintian; do
    command -v "$tool" >/dev/null || skip "$tool is not installed"
done
package=skylet-backup
system_root=/opt/Veltrane/Skylet

# --- build ---
cpack --config "$SKYLET_BUILD_DIR/CPackConfig.cmake" -G DEB -B "$scratch/cpack" >"$scratch/cpack.log" 2>&1 ||
    { cat "$scratch/cpack.log"; fail "cpack -G DEB"; }
deb=$(ls "$scratch"/cpack/${package}_*.deb)
[ -f "$deb" ] || fail "cpack made no ${package}_*.deb"
echo "package: $(basename "$deb"), $(stat -c %s "$deb") bytes"

# --- file list ---
dpkg-deb -c "$deb" | awk '{ print $1, $2, $6 }' | sed 's| \./| /|' >"$scratch/contents"
has() {  # mode owner path
    grep -qxF -e "$1 $2 $3" "$scratch/contents" || fail "the package lacks $3 ($1 $2)"
}
has -rwxr-xr-x root/root $system_root/bin/skylet-launcher
has drwxr-xr-x root/root $system_root/log/
for file in INFO package/skylet.vpk images/ico_72_skylet.png images/ico_72_skylet@2x.png \
            lib/plugins/platforms/libqxcb.so lib/plugins/platforms/libqoffscreen.so \
            lib/plugins/platforms/libqwayland-egl.so \
            lib/plugins/wayland-graphics-integration-client/libqt-plugin-wayland-egl.so \
            lib/plugins/wayland-shell-integration/libxdg-shell.so \
            lib/plugins/wayland-decoration-client/libbradient.so; do
    has -rw-r--r-- root/root "$system_root/$file"
done
for size in 16x16 22x22 24x24 32x32 48x48 64x64 128x128 256x256; do
    has -rw-r--r-- root/root /usr/share/icons/hicolor/$size/apps/skylet-backup.png
done
for file in /usr/share/icons/hicolor/scalable/apps/skylet-backup.svg \
            /usr/share/applications/skylet-backup.desktop \
            /etc/xdg/autostart/skylet-backup.desktop \
            /usr/share/metainfo/com.veltrane.SkyletBackup.metainfo.xml \
            /usr/share/doc/$package/copyright /usr/share/doc/$package/changelog.gz \
            /usr/share/lintian/overrides/$package; do
    has -rw-r--r-- root/root "$file"
done
if [ -f "$SKYLET_BUILD_DIR/sample-package/package/skylet.vpk.sha256" ]; then
    has -rw-r--r-- root/root "$system_root/package/skylet.vpk.sha256"
fi
stray=$(awk '{ print $3 }' "$scratch/contents" | grep -v -e "^/opt/\(Veltrane/\(Skylet/.*\)\?\)\?$" \
        -e '^/usr/\(share/.*\)\?$' -e '^/etc/\(xdg/\(autostart/.*\)\?\)\?$' || true)
[ -z "$stray" ] || fail "the package installs outside its places: $stray"
dpkg-deb -x "$deb" "$scratch/unpacked"
cmp -s "$scratch/unpacked$system_root/package/skylet.vpk" "$SKYLET_BUILD_DIR/sample-package/package/skylet.vpk" ||
    fail "package/skylet.vpk is not the client package of the build"
grep -qxF "Exec=\"$system_root/bin/skylet-launcher\"" "$scratch/unpacked/usr/share/applications/skylet-backup.desktop" ||
    fail "the menu entry does not run $system_root/bin/skylet-launcher"

# --- control fields ---
field() { dpkg-deb -f "$deb" "$1"; }
[ "$(field Package)" = $package ] || fail "Package: $(field Package)"
[ "$(field Version)" = "$SKYLET_VERSION" ] || fail "Version: $(field Version), the project is $SKYLET_VERSION"
depends=$(field Depends)
for dep in libqt5widgets5 libqt5waylandclient5 libarchive13 libicu qtbase-abi- qtwayland-client-abi-; do
    [[ "$depends" == *"$dep"* ]] || fail "Depends lacks $dep: $depends"
done
[ "$(field Recommends)" = fonts-wqy-microhei ] || fail "Recommends: $(field Recommends)"
[ -n "$(field Maintainer)" ] && [ -n "$(field Description)" ] || fail "no Maintainer or Description"
dpkg-deb --ctrl-tarfile "$deb" | tar -xO ./conffiles | grep -qx /etc/xdg/autostart/skylet-backup.desktop ||
    fail "the autostart entry is not a conffile"
echo "Depends: $depends"

# --- lintian ---
lintian --pedantic --info "$deb" >"$scratch/lintian.log" 2>&1 || true
grep -v 'running with root privileges' "$scratch/lintian.log" || true
! grep -q '^[EW]: ' "$scratch/lintian.log" || fail "lintian reports errors or warnings"
echo "lintian: no errors, no warnings"

# --- real installation ---
if [ "$(id -u)" -ne 0 ]; then
    echo "SKIPPED the install part: it installs into the system and needs root"
    exit 0
fi
if ! command -v apt-get >/dev/null || ! command -v useradd >/dev/null; then
    echo "SKIPPED the install part: no apt-get or useradd (not Debian)"
    exit 0
fi
# One real installation at a time, also from another build tree of this
# checkout: the lock is this script itself, so nothing is left behind.
exec 9<"$0"
flock 9
if dpkg-query -W -f='${Status}' $package 2>/dev/null | grep -q installed || [ -e /opt/Veltrane ]; then
    echo "SKIPPED the install part: $package or /opt/Veltrane is already on this machine"
    exit 0
fi

apt_quiet=(-y -q -o DPkg::Lock::Timeout=300)
dpkg-query -W -f='${Package}:${Architecture}\n' | sort >"$scratch/packages.before"
# Undo in reverse order: the user's processes, the package, whatever it
# pulled in, the user.
restore_packages() {
    if dpkg-query -W -f='${Status}' $package 2>/dev/null | grep -q installed; then
        DEBIAN_FRONTEND=noninteractive apt-get purge "${apt_quiet[@]}" $package >/dev/null 2>&1
    fi
    dpkg-query -W -f='${Package}:${Architecture}\n' | sort >"$scratch/packages.after"
    local added
    added=$(comm -13 "$scratch/packages.before" "$scratch/packages.after")
    if [ -n "$added" ]; then
        # shellcheck disable=SC2086
        DEBIAN_FRONTEND=noninteractive apt-get purge "${apt_quiet[@]}" $added >/dev/null 2>&1
    fi
}
on_exit restore_packages
DEBIAN_FRONTEND=noninteractive apt-get install "${apt_quiet[@]}" --no-install-recommends "$deb" \
    >"$scratch/apt-install.log" 2>&1 || { cat "$scratch/apt-install.log"; fail "apt-get install $deb"; }
[ -x $system_root/bin/skylet-launcher ] || fail "no $system_root/bin/skylet-launcher after installing"

user=skylet-t$$
user_base=$(mktemp -d /tmp/skylet-user.XXXXXX)
chmod 0755 "$user_base"
home=$user_base/home
on_exit "rm -rf '$user_base'"
useradd --create-home --home-dir "$home" --shell /usr/sbin/nologin --user-group "$user" ||
    fail "useradd $user"
on_exit "userdel --remove '$user' 2>/dev/null"
runtime=$user_base/run
install -d -m 0700 -o "$user" -g "$user" "$runtime"
as_user() {
    runuser -u "$user" -- env -i PATH=/usr/bin:/bin HOME="$home" XDG_RUNTIME_DIR="$runtime" \
        LANG=C.UTF-8 "$@"
}
kill_client() {  # whatever the pid file names, if it is this user's
    local pid
    pid=$(sed -n 's/^pid=//p' "$home/.SkyletBackup/ui.pid" 2>/dev/null || true)
    [ -n "$pid" ] && [ "$(stat -c %U "/proc/$pid" 2>/dev/null)" = "$user" ] && kill -KILL "$pid"
}
on_exit kill_client

rc=0
as_user QT_QPA_PLATFORM=offscreen timeout 120 $system_root/bin/skylet-launcher \
    >"$scratch/launcher.out" 2>&1 || rc=$?
[ "$rc" -eq 0 ] || { cat "$scratch/launcher.out"; fail "the installed launcher exited with $rc"; }
app=$home/.SkyletBackup/Skylet.app
[ "$(installed_build "$home")" = "$(sample_build)" ] || fail "the user's copy was not made"
for _ in $(seq 100); do
    pid=$(sed -n 's/^pid=//p' "$home/.SkyletBackup/ui.pid" 2>/dev/null || true)
    [ -n "$pid" ] && break
    sleep 0.05
done
[ -n "$pid" ] && [ "$(readlink "/proc/$pid/exe")" = "$app/bin/skylet-backup-ui" ] ||
    fail "the sample client is not running from the user's copy"
[ "$(stat -c %U "/proc/$pid")" = "$user" ] || fail "the client does not run as $user"
echo "installed launcher: copy made, client running as $user (pid $pid)"

as_user "$app/package/start-stop" stop
for _ in $(seq 100); do
    alive "$pid" || break
    sleep 0.05
done
! alive "$pid" || fail "the client did not stop"

# --- purge ---
snapshot() { find "$home" -printf '%p %y %m %U %s %T@\n' | sort; }
snapshot >"$scratch/home.before"
DEBIAN_FRONTEND=noninteractive apt-get purge "${apt_quiet[@]}" $package >"$scratch/apt-purge.log" 2>&1 ||
    { cat "$scratch/apt-purge.log"; fail "apt-get purge $package"; }
[ ! -e /opt/Veltrane ] || fail "/opt/Veltrane is left after the purge: $(find /opt/Veltrane | head)"
left=$(awk '$1 !~ /^d/ { print $3 }' "$scratch/contents" | while read -r path; do
    [ -e "$path" ] && echo "$path"; done || true)
[ -z "$left" ] || fail "the purge left: $left"
snapshot >"$scratch/home.after"
diff "$scratch/home.before" "$scratch/home.after" || fail "the purge changed the user's home"
echo "PASS: built, checked, installed, run as a user, purged without a trace"
