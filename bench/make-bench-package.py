#!/usr/bin/env python3
"""Writes a client package for the benchmark, the same bytes on every run.

    make-bench-package.py --files N --min-size B --max-size B --seed S
                          --client PATH --start-stop PATH --build NUMBER --out DIR

DIR/INFO, DIR/package/skylet.vpk (tar.gz) and DIR/package/skylet.vpk.sha256
as tools/make-package.sh lays them out, and DIR/stats (files, bytes). Beside
INFO, bin/skylet-backup-ui and package/start-stop the archive holds N files
under data/, 60 to a folder in two levels, of sizes spread evenly on a log
scale between the two bounds. Two in three are text (source-like lines,
compressible about fourfold), one in three random bytes (incompressible), as
in an application folder. Everything comes from one seeded generator, and tar
and gzip are told to leave out times and owners, so that two runs give the
same package from the same client.

--next writes the build after that one: every tenth data file rewritten
(half of them at another size), one in fifty dropped and as many added, whose
bytes DIR/stats gives as changed_bytes.
"""
import argparse
import math
import os
import random
import shutil
import subprocess
import sys
import tempfile

WORDS = ("return if else for while int char const static void struct unsigned "
         "size_t buffer length offset value result error status count index "
         "path name entry folder file open close read write begin end next prev "
         "self this other item list map set key data info level level_path "
         "backup restore upgrade package client launcher progress dialog label").split()
PUNCT = ("(", ")", ";", "{", "}", ",", " = ", " == ", " + ", "->", ".", "[", "]")


def text_bytes(rng, size):
    out = []
    total = 0
    while total < size:
        indent = "    " * rng.randrange(4)
        words = rng.choices(WORDS, k=rng.randrange(3, 12))
        line = indent + " ".join(w + (rng.choice(PUNCT) if rng.random() < 0.3 else "") for w in words) + "\n"
        out.append(line)
        total += len(line)
    return "".join(out).encode()[:size]


def write_info(path, build):
    with open(path, "w") as f:
        f.write("[Version]\nmajor_version=1\nminor_version=2\n"
                f"build_version={build}\nicon_overlay_version=1\n")


def main():
    p = argparse.ArgumentParser()
    p.add_argument("--files", type=int, required=True)
    p.add_argument("--min-size", type=int, required=True)
    p.add_argument("--max-size", type=int, required=True)
    p.add_argument("--seed", type=int, required=True)
    p.add_argument("--client", required=True)
    p.add_argument("--start-stop", required=True)
    p.add_argument("--build", type=int, required=True)
    p.add_argument("--out", required=True)
    p.add_argument("--next", action="store_true")
    a = p.parse_args()

    rng = random.Random(a.seed)
    other = random.Random(a.seed + 1)  # the next build's bytes; rng stays in step with the previous build
    changed = 0
    lo, hi = math.log(a.min_size), math.log(a.max_size)
    os.makedirs(os.path.join(a.out, "package"), exist_ok=True)
    with tempfile.TemporaryDirectory(dir=a.out) as stage:
        os.makedirs(os.path.join(stage, "bin"))
        os.makedirs(os.path.join(stage, "package"))
        os.makedirs(os.path.join(stage, "data"))
        write_info(os.path.join(stage, "INFO"), a.build)
        shutil.copyfile(a.client, os.path.join(stage, "bin", "skylet-backup-ui"))
        shutil.copyfile(a.start_stop, os.path.join(stage, "package", "start-stop"))
        os.chmod(os.path.join(stage, "bin", "skylet-backup-ui"), 0o755)
        os.chmod(os.path.join(stage, "package", "start-stop"), 0o755)
        total = 0
        for i in range(a.files + (a.files // 50 if a.next else 0)):
            folder = os.path.join(stage, "data", f"g{i // 3600:02d}", f"d{(i // 60) % 60:02d}")
            if i % 60 == 0:
                os.makedirs(folder, exist_ok=True)
            size = int(math.exp(rng.uniform(lo, hi)))
            if i % 3 == 2:
                name, data = f"blob-{i:06d}.bin", rng.randbytes(size)
            else:
                name, data = f"text-{i:06d}.txt", text_bytes(rng, size)
            if a.next and i < a.files and i % 50 == 23:
                continue
            if a.next and i < a.files and i % 10 == 7:
                size = size if i % 20 == 7 else int(math.exp(other.uniform(lo, hi)))
                data = other.randbytes(size) if i % 3 == 2 else text_bytes(other, size)
            changed += len(data) if a.next and (i >= a.files or i % 10 == 7) else 0
            with open(os.path.join(folder, name), "wb") as f:
                f.write(data)
            total += len(data)

        vpk = os.path.join(a.out, "package", "skylet.vpk")
        with open(vpk + ".tmp", "wb") as out:
            tar = subprocess.Popen(
                ["tar", "-c", "-C", stage, "--sort=name", "--owner=0", "--group=0", "--numeric-owner",
                 "--mtime=@1700000000", "--format=gnu", "INFO", "bin", "package", "data"],
                stdout=subprocess.PIPE)
            gz = subprocess.run(["gzip", "-n", "-6"], stdin=tar.stdout, stdout=out)
            tar.stdout.close()
            if tar.wait() != 0 or gz.returncode != 0:
                sys.exit("make-bench-package: tar or gzip failed")
    os.replace(vpk + ".tmp", vpk)
    digest = subprocess.run(["sha256sum", "skylet.vpk"], cwd=os.path.dirname(vpk), check=True,
                            capture_output=True, text=True).stdout
    with open(vpk + ".sha256", "w") as f:
        f.write(digest)
    write_info(os.path.join(a.out, "INFO"), a.build)
    with open(os.path.join(a.out, "stats"), "w") as f:
        f.write(f"files={a.files + 3} bytes={total} package_bytes={os.path.getsize(vpk)} changed_bytes={changed}\n")


if __name__ == "__main__":
    main()
