#!/usr/bin/env bash
# Builds an installable Skylet Backup package for a given build number:
#   OUT/INFO                  version record of the installation
#   OUT/package/skylet.vpk    tar.gz holding INFO, bin/skylet-backup-ui,
#                             package/start-stop and optional padding data
#   OUT/package/skylet.vpk.sha256   its SHA-256 in sha256sum format
#
# usage: make-package.sh --build N --client PATH --out DIR
#                        [--start-stop PATH] [--pad-mb MB] [--version MAJOR.MINOR]
# --pad-mb adds that many MiB of incompressible data in 256 KiB files, so that
# extraction takes long enough to watch the progress dialog.
set -euo pipefail

usage() { sed -n '2,11p' "$0" | sed 's/^# \{0,1\}//' >&2; exit 2; }

build="" client="" out="" pad_mb=0 version="1.0"
start_stop="$(dirname "$0")/start-stop"
while [ $# -gt 0 ]; do
    case "$1" in
    --build) build="${2:-}"; shift 2 ;;
    --client) client="${2:-}"; shift 2 ;;
    --out) out="${2:-}"; shift 2 ;;
    --start-stop) start_stop="${2:-}"; shift 2 ;;
    --pad-mb) pad_mb="${2:-}"; shift 2 ;;
    --version) version="${2:-}"; shift 2 ;;
    *) usage ;;
    esac
done
[[ "$build" =~ ^[0-9]+$ ]] || { echo "make-package.sh: --build needs a number" >&2; usage; }
[[ "$pad_mb" =~ ^[0-9]+$ ]] || { echo "make-package.sh: --pad-mb needs a number" >&2; usage; }
[[ "$version" =~ ^[0-9]+\.[0-9]+$ ]] || { echo "make-package.sh: --version is MAJOR.MINOR" >&2; usage; }
[ -n "$out" ] || usage
[ -x "$client" ] || { echo "make-package.sh: client '$client' is not executable" >&2; exit 1; }
[ -f "$start_stop" ] || { echo "make-package.sh: no start-stop script '$start_stop'" >&2; exit 1; }

stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT

write_info() {
    cat > "$1" <<INFO
[Version]
major_version=${version%%.*}
minor_version=${version#*.}
build_version=$build
icon_overlay_version=1
INFO
}

mkdir -p "$stage/bin" "$stage/package"
write_info "$stage/INFO"
install -m 0755 "$client" "$stage/bin/skylet-backup-ui"
install -m 0755 "$start_stop" "$stage/package/start-stop"
members=(INFO bin package)
if [ "$pad_mb" -gt 0 ]; then
    mkdir -p "$stage/data"
    for ((i = 0; i < pad_mb * 4; i++)); do
        head -c 262144 /dev/urandom > "$stage/data/$(printf 'pad-%05d.bin' "$i")"
    done
    members+=(data)
fi

mkdir -p "$out/package"
tar -czf "$out/package/skylet.vpk.tmp" -C "$stage" --sort=name --owner=0 --group=0 "${members[@]}"
mv -f "$out/package/skylet.vpk.tmp" "$out/package/skylet.vpk"
# The launcher checks the package against this before it replaces a working
# copy of the client.
(cd "$out/package" && sha256sum skylet.vpk > skylet.vpk.sha256.tmp && mv -f skylet.vpk.sha256.tmp skylet.vpk.sha256)
# The record last: a failed build must not announce a build number that the
# archive beside it does not hold, or every launcher run would upgrade again.
write_info "$out/INFO"
echo "package build $build: $out/package/skylet.vpk ($(du -h "$out/package/skylet.vpk" | cut -f1))"
