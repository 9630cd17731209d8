#!/usr/bin/env bash
# The dialog on a 2x screen: under Xvfb whose screen says 192 dpi, with no
# scaling variable set, the installed launcher's dialog is 800 physical
# pixels wide (400 at 1x) and hands the window manager the 144-pixel icon
# beside the 72-pixel one, with the desktop entry's name as its class. Saves
# a screenshot as hidpi-dialog.png (SKYLET_SHOT_DIR, default the test's build
# folder).
. "$(dirname "$0")/lib.sh"

for tool in Xvfb xwininfo xprop; do
    command -v "$tool" >/dev/null || skip "$tool is not installed"
done
sandbox_install

Xvfb -displayfd 3 -screen 0 1600x900x24 -dpi 192 -nolisten tcp \
    3>"$scratch/display" 2>"$scratch/xvfb.log" &
xvfb_pid=$!
on_exit "kill -TERM $xvfb_pid 2>/dev/null; wait $xvfb_pid 2>/dev/null"
for _ in $(seq 100); do
    [ -s "$scratch/display" ] && break
    sleep 0.1
done
[ -s "$scratch/display" ] || skip "Xvfb did not start"
display=":$(head -n 1 "$scratch/display")"

stubborn_old_copy "$home"
on_exit "stop_sample_client '$home'"
env -i PATH="$PATH" HOME="$home" XDG_RUNTIME_DIR="$runtime" LANG=C.UTF-8 \
    QT_QPA_PLATFORM=xcb DISPLAY="$display" \
    "$root/bin/skylet-launcher" >"$scratch/launcher.out" 2>"$scratch/launcher.err" &
launcher_pid=$!

# The dialog is up while the launcher waits for the stubborn client.
width=""
for _ in $(seq 100); do
    width=$(DISPLAY=$display xwininfo -name "Skylet Backup" 2>/dev/null | sed -n 's/^ *Width: //p' || true)
    [ -n "$width" ] && break
    kill -0 "$launcher_pid" 2>/dev/null || break
    sleep 0.1
done
icons=$(DISPLAY=$display xprop -name "Skylet Backup" _NET_WM_ICON 2>/dev/null | grep -o 'Icon ([0-9]* x [0-9]*)' | sort -u | tr '\n' ' ' || true)
class=$(DISPLAY=$display xprop -name "Skylet Backup" WM_CLASS 2>/dev/null | sed -n 's/^WM_CLASS(STRING) = //p' || true)
shot_dir=${SKYLET_SHOT_DIR:-$PWD}
size=$(DISPLAY=$display QT_QPA_PLATFORM=xcb "$SKYLET_GRAB_SCREEN" "$shot_dir/hidpi-dialog.png" || true)

rc=0
wait "$launcher_pid" || rc=$?
[ "$rc" -eq 0 ] || { cat "$scratch/launcher.err"; fail "the launcher exited with $rc"; }
echo "dialog width: ${width:-none}; window icons: ${icons:-none}; class: ${class:-none}; screenshot: $shot_dir/hidpi-dialog.png ($size)"
[ "$width" = 800 ] || fail "the dialog is ${width:-no} physical pixels wide, not 800"
case "$icons" in
*"Icon (144 x 144)"*) ;;
*) fail "the window has no 144-pixel icon" ;;
esac
[ "${class#*, }" = '"skylet-backup"' ] || fail "the window's class is ${class:-not set}, not the desktop entry's name"
echo "PASS: the dialog is drawn at 2x with a 2x icon, under the desktop entry's class"
