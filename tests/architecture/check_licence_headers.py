#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Lists every source file of the tree that does not start with its licence
line, and fails when there is any:
  // SPDX-License-Identifier: GPL-3.0-or-later   *.h and *.cpp outside data/
  # SPDX-License-Identifier: GPL-3.0-or-later    *.py, *.sh, CMakeLists.txt, *.cmake
                                                 and the Makefile (after a "#!" line)
The files are git's tracked ones; outside a git checkout, every file but
those of build folders and hidden folders.
usage: check_licence_headers.py SOURCE_ROOT"""

import os
import subprocess
import sys

LINE = "SPDX-License-Identifier: GPL-3.0-or-later"


def source_files(root):
    try:
        out = subprocess.run(["git", "-C", root, "ls-files", "-z"], check=True,
                             capture_output=True).stdout
        return [n for n in out.decode().split("\0") if n]
    except (OSError, subprocess.CalledProcessError):
        names = []
        for folder, dirs, files in os.walk(root):
            dirs[:] = [d for d in dirs if not d.startswith((".", "build"))]
            names += [os.path.relpath(os.path.join(folder, f), root) for f in files]
        return names


def expected_header(name):
    """The licence line the file must start with and whether a "#!" line may
    come first; None for files without one."""
    base = os.path.basename(name)
    if name.endswith((".h", ".cpp")):
        return None if name.startswith("data/") else ("// " + LINE, False)
    if name.endswith((".py", ".sh", ".cmake")) or base == "CMakeLists.txt" or name == "Makefile":
        return ("# " + LINE, True)
    return None


def main():
    root = sys.argv[1]
    missing = []
    checked = 0
    for name in sorted(source_files(root)):
        rule = expected_header(name)
        path = os.path.join(root, name)
        if rule is None or not os.path.isfile(path):
            continue
        header, after_shebang = rule
        with open(path, encoding="utf-8", errors="replace") as f:
            lines = [f.readline().rstrip("\r\n"), f.readline().rstrip("\r\n")]
        at = 1 if after_shebang and lines[0].startswith("#!") else 0
        checked += 1
        if lines[at] != header:
            missing.append(name)
    for name in missing:
        print(f"{name}: does not start with \"{expected_header(name)[0]}\"")
    if not checked:
        print(f"no source files found under {root}")
        return 1
    print(f"{len(missing)} of {checked} source files lack the licence line")
    return 1 if missing else 0


if __name__ == "__main__":
    sys.exit(main())
