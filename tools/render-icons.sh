#!/usr/bin/env bash
# Renders the launcher's PNG icons from images/skylet-backup.svg: the dialog's
# window icon at 72 px and its 2x variant, and the hicolor theme sizes that
# menus and panels pick from. The PNGs are kept in the tree so that a build
# needs no SVG renderer; run this again after changing the drawing.
# Needs rsvg-convert (Debian: librsvg2-bin).
set -euo pipefail
images="$(cd "$(dirname "$0")/../ui-client/launcher/images" && pwd)"
svg=$images/skylet-backup.svg

render() {  # size, output
    mkdir -p "$(dirname "$2")"
    rsvg-convert --width "$1" --height "$1" --output "$2" "$svg"
}

render 72 "$images/ico_72_skylet.png"
render 144 "$images/ico_72_skylet@2x.png"
for size in 16 22 24 32 48 64 128 256; do
    render "$size" "$images/hicolor/${size}x${size}/apps/skylet-backup.png"
done
