# Shared by the packaging and display tests (sourced). Set by CTest:
# SKYLET_BUILD_DIR, SKYLET_SOURCE_DIR, SKYLET_FAKE_CLIENT, SKYLET_GRAB_SCREEN.
set -euo pipefail

SKIP=77
fail() { echo "FAIL: $*" >&2; exit 1; }
skip() { echo "SKIPPED: $*"; exit "$SKIP"; }
check() {  # message, command...
    local what=$1
    shift
    "$@" || fail "$what"
}

# A private scratch folder, removed at exit together with whatever the test
# registered with on_exit.
scratch=$(mktemp -d "${TMPDIR:-/tmp}/skylet-test.XXXXXX")
exit_steps=()
on_exit() { exit_steps=("$1" "${exit_steps[@]}"); }
run_exit_steps() {
    local rc=$?
    for step in "${exit_steps[@]}"; do
        eval "$step" || true
    done
    rm -rf "$scratch"
    exit "$rc"
}
trap run_exit_steps EXIT

# cmake --install into ROOT, with the sample client package published there.
install_root() {
    local root=$1
    cmake --install "$SKYLET_BUILD_DIR" --prefix "$root" >"$scratch/install.log" 2>&1 ||
        { cat "$scratch/install.log" >&2; fail "cmake --install into $root"; }
    install -D -m 0644 "$SKYLET_BUILD_DIR/sample-package/INFO" "$root/INFO"
    install -D -m 0644 "$SKYLET_BUILD_DIR/sample-package/package/skylet.vpk" "$root/package/skylet.vpk"
    if [ -f "$SKYLET_BUILD_DIR/sample-package/package/skylet.vpk.sha256" ]; then
        install -m 0644 "$SKYLET_BUILD_DIR/sample-package/package/skylet.vpk.sha256" "$root/package/"
    fi
    printf 'launcher_debug=7\nservice_debug=7\n' >"$root/log/launcher.debug"
}

# An older copy in HOME whose client ignores SIGTERM: the launcher then keeps
# its progress dialog up until it has to kill the client (10 s), long enough
# to look at the dialog. Sets client_pid.
# An install root, a home and a private runtime folder in the scratch folder;
# sets root, home and runtime.
sandbox_install() {
    root=$scratch/root
    home=$scratch/home
    runtime=$scratch/run
    mkdir -p "$home"
    install -d -m 0700 "$runtime"
    install_root "$root"
}

stubborn_old_copy() {
    local home=$1 app=$1/.SkyletBackup/Skylet.app
    mkdir -p "$app/bin" "$app/package"
    printf '[Version]\nmajor_version=1\nminor_version=0\nbuild_version=999\nicon_overlay_version=1\n' >"$app/INFO"
    install -m 0755 "$SKYLET_FAKE_CLIENT" "$app/bin/skylet-backup-ui"
    install -m 0755 "$SKYLET_SOURCE_DIR/tools/start-stop" "$app/package/start-stop"
    "$app/bin/skylet-backup-ui" --pid-file "$home/.SkyletBackup/ui.pid" \
        --record "$scratch/signals" --ignore-term --lifetime 60 &
    client_pid=$!
    # The launcher kills it; that is expected, not worth a job report.
    disown "$client_pid"
    on_exit "kill -KILL $client_pid 2>/dev/null"
    for _ in $(seq 100); do
        [ -s "$home/.SkyletBackup/ui.pid" ] && return 0
        sleep 0.05
    done
    fail "the stand-in client did not write its pid file"
}

# The sample client that a launcher started for HOME, stopped through its
# own start-stop script.
stop_sample_client() {
    local home=$1
    [ -x "$home/.SkyletBackup/Skylet.app/package/start-stop" ] &&
        HOME=$home "$home/.SkyletBackup/Skylet.app/package/start-stop" stop
}

# Running, not a zombie that nobody has reaped yet.
alive() { [ -r "/proc/$1/stat" ] && ! grep -q '^[0-9]* (.*) Z' "/proc/$1/stat" 2>/dev/null; }

installed_build() { sed -n 's/^build_version=//p' "$1/.SkyletBackup/Skylet.app/INFO" 2>/dev/null; }
sample_build() { sed -n 's/^build_version=//p' "$SKYLET_BUILD_DIR/sample-package/INFO"; }
