#!/usr/bin/env bash
# Desktop integration under prefixes that hold a blank and the characters
# the Exec key must escape (" $ \ %): desktop-file-validate accepts the menu
# and the autostart entry, appstreamcli the metainfo, and GLib's own launcher
# (gio launch) reaches the installed launcher through the entries.
# cmake --install itself cannot install under a backslash (it takes it for a
# path separator), so that prefix is an installation moved there, with its
# entries written again by desktop-entry.cmake. GLib looks for the program
# before it turns %% into %, so it cannot launch from a prefix with a %; that
# one is only validated.
. "$(dirname "$0")/lib.sh"

for tool in desktop-file-validate appstreamcli gio; do
    command -v "$tool" >/dev/null || skip "$tool is not installed"
done

validate_entry() {
    local entry=$1 out
    [ -f "$entry" ] || fail "no desktop entry $entry"
    out=$(desktop-file-validate "$entry" 2>&1) || fail "desktop-file-validate rejects $entry: $out"
    [ -z "$out" ] || fail "desktop-file-validate complains about $entry: $out"
    grep -qx 'Icon=skylet-backup' "$entry" || fail "$entry does not name its icon by theme name"
}

# Launched as a desktop launches it, the entry must reach the launcher: it
# installs the client into a fresh home and starts it.
launch_entry() {  # entry, name
    local entry=$1 home=$scratch/home-$2 runtime=$scratch/run-$2
    mkdir -p "$home"
    install -d -m 0700 "$runtime"
    on_exit "stop_sample_client '$home'"
    env -i PATH="$PATH" HOME="$home" XDG_RUNTIME_DIR="$runtime" LANG=C.UTF-8 \
        QT_QPA_PLATFORM=offscreen gio launch "$entry" >"$scratch/gio-$2.log" 2>&1 ||
        { cat "$scratch/gio-$2.log"; fail "gio launch $entry"; }
    for _ in $(seq 300); do
        [ -s "$home/.SkyletBackup/ui.pid" ] && break
        sleep 0.1
    done
    [ -s "$home/.SkyletBackup/ui.pid" ] && [ "$(installed_build "$home")" = "$(sample_build)" ] ||
        { cat "$scratch/gio-$2.log"; fail "launching $entry did not install and start the client"; }
}

root="$scratch/inst \"q\" \$HOME 100%"
install_root "$root"
validate_entry "$root/share/applications/skylet-backup.desktop"
validate_entry "$root/etc/xdg/autostart/skylet-backup.desktop"
for size in 16x16 22x22 24x24 32x32 48x48 64x64 128x128 256x256; do
    [ -f "$root/share/icons/hicolor/$size/apps/skylet-backup.png" ] || fail "no $size icon"
done
[ -f "$root/share/icons/hicolor/scalable/apps/skylet-backup.svg" ] || fail "no scalable icon"
appstreamcli validate --no-net "$root"/share/metainfo/*.metainfo.xml >"$scratch/appstream.log" 2>&1 ||
    { cat "$scratch/appstream.log"; fail "appstreamcli rejects the metainfo"; }

moved="$scratch/moved \\ \"q\" \$HOME"
mv "$root" "$moved"
for kind in menu autostart; do
    template=$SKYLET_SOURCE_DIR/ui-client/launcher/desktop/skylet-backup.desktop.in
    [ "$kind" = autostart ] && template=${template%.desktop.in}-autostart.desktop.in
    cmake -DSKYLET_LAUNCHER="$moved/bin/skylet-launcher" -DSKYLET_TEMPLATE="$template" \
        -DSKYLET_OUTPUT="$scratch/moved-$kind.desktop" \
        -P "$SKYLET_SOURCE_DIR/ui-client/launcher/desktop/desktop-entry.cmake"
    validate_entry "$scratch/moved-$kind.desktop"
done
launch_entry "$scratch/moved-menu.desktop" menu
launch_entry "$scratch/moved-autostart.desktop" autostart
echo "PASS: entries valid and launchable under '$root' and '$moved'"
