#!/usr/bin/env bash
# The installed launcher on a Wayland desktop: under a headless Weston it
# upgrades an older copy whose client has to be killed, exits 0, starts the
# new client, and Qt's Wayland platform finds every plug-in it looks for (no
# qt.qpa warning), and its window has the desktop entry's name as its
# application id. A screenshot of the dialog is saved when Weston can take
# one (SKYLET_SHOT_DIR, default the test's build folder): the headless
# backend draws nothing with its default renderer, so it runs with pixman.
. "$(dirname "$0")/lib.sh"

command -v weston >/dev/null || skip "weston is not installed"
sandbox_install

socket=skylet-wayland-$$
XDG_RUNTIME_DIR=$runtime weston --backend=headless-backend.so --use-pixman --socket="$socket" \
    --width=1024 --height=640 --idle-time=0 --debug >"$scratch/weston.log" 2>&1 &
weston_pid=$!
on_exit "kill -TERM $weston_pid 2>/dev/null; wait $weston_pid 2>/dev/null"
for _ in $(seq 100); do
    [ -S "$runtime/$socket" ] && break
    kill -0 "$weston_pid" 2>/dev/null || break
    sleep 0.1
done
if [ ! -S "$runtime/$socket" ]; then
    cat "$scratch/weston.log"
    skip "weston did not start a headless compositor"
fi

stubborn_old_copy "$home"
on_exit "stop_sample_client '$home'"
env -i PATH="$PATH" HOME="$home" XDG_RUNTIME_DIR="$runtime" LANG=C.UTF-8 \
    QT_QPA_PLATFORM=wayland WAYLAND_DISPLAY="$socket" WAYLAND_DEBUG=client \
    "$root/bin/skylet-launcher" >"$scratch/launcher.out" 2>"$scratch/launcher.err" &
launcher_pid=$!

# While the launcher waits for the stubborn client, its dialog is up.
shot_dir=${SKYLET_SHOT_DIR:-$PWD}
shot=""
if command -v weston-screenshooter >/dev/null; then
    sleep 3
    if (cd "$scratch" && XDG_RUNTIME_DIR=$runtime WAYLAND_DISPLAY=$socket \
            timeout 20 weston-screenshooter >"$scratch/shooter.log" 2>&1); then
        shot=$(ls "$scratch"/wayland-screenshot-*.png 2>/dev/null | head -n 1)
    fi
fi

rc=0
wait "$launcher_pid" || rc=$?
echo "--- launcher standard error, without the protocol trace:"
grep -v '^\[ *[0-9.]*\] ' "$scratch/launcher.err" || true
[ "$rc" -eq 0 ] || fail "the launcher exited with $rc"
! grep -q 'qt\.qpa' "$scratch/launcher.err" || fail "Qt's Wayland platform warned (see above)"
# The compositor knows the window by the desktop entry's name.
grep -q 'set_app_id("skylet-backup")' "$scratch/launcher.err" || fail "the window's application id is not skylet-backup"
[ "$(installed_build "$home")" = "$(sample_build)" ] || fail "the copy was not upgraded"
grep -q '): done' "$home/.SkyletBackup/log/launcher.log" || fail "the log has no finished run"
# The new copy's client runs (it rewrote the pid file).
for _ in $(seq 100); do
    pid=$(sed -n 's/^pid=//p' "$home/.SkyletBackup/ui.pid" 2>/dev/null || true)
    [ -n "$pid" ] && [ "$pid" != "$client_pid" ] && kill -0 "$pid" 2>/dev/null && break
    sleep 0.05
done
[ -n "$pid" ] && [ "$pid" != "$client_pid" ] || fail "the new client did not start"

if [ -n "$shot" ]; then
    cp "$shot" "$shot_dir/wayland-dialog.png"
    echo "screenshot of the dialog under Weston: $shot_dir/wayland-dialog.png"
else
    echo "no screenshot: weston-screenshooter did not take one ($(tail -n 1 "$scratch/shooter.log" 2>/dev/null))"
fi
echo "PASS: upgraded under Weston, exit 0, no qt.qpa warning"
