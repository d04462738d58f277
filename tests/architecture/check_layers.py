#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Checks that every include between the program's folders goes downward.

The layer table is the fenced block marked ```layers in README.md: one line
per layer, the top line first, the folders of one layer side by side. A file
may include its own folder and the folders on lower lines; folders of one
line may not include each other, except that X/gui may include X. Folders
named gui hold the Qt windows, and app and batch the programs (the window
program and the batch tool); every other folder is domain code, which never
includes a gui folder nor a Qt Widgets or Qt PrintSupport header, and whose
headers name no class of those two modules, not even to declare it; the
calculation (astro) never includes the message service. An include is
followed to the folder it lands in: "../x/y.h", "./y.h" and a file beside the
including one from the including file's folder, <x/y.h> like "x/y.h" when x
is a folder of the tree. The libraries a folder's CMakeLists.txt links
(DEPS, GUI_DEPS, target_link_libraries) obey the same directions. tests/ and
tools/ stand outside the table and may include anything.

Usage: check_layers.py SOURCE_ROOT [--qt-headers DIR]...
Exit status: 0 when every include is allowed, 1 when some are not (each is
listed with file:line, the two folders and the rule broken), 2 when the table
cannot be read.
"""

import argparse
import glob
import os
import re
import sys

SOURCE_SUFFIXES = (".h", ".cpp")
OUTSIDE_TABLE = ("tests", "tools")
QUOTED_INCLUDE = re.compile(r'^\s*#\s*include\s*"([^"]+)"')
ANGLE_INCLUDE = re.compile(r"^\s*#\s*include\s*<([^>]+)>")
QT_GUI_MODULES = ("QtWidgets", "QtPrintSupport")
# Classes of those modules a domain header might name, known even when no Qt
# headers are found; the Qt include folders add the rest.
QT_GUI_CLASSES = ("QWidget", "QDialog", "QMainWindow", "QApplication", "QMessageBox", "QLabel",
                  "QLineEdit", "QPushButton", "QComboBox", "QListWidget", "QPrinter", "QPrintDialog")
QT_CLASS_NAME = re.compile(r"\bQ[A-Z]\w*")
PROGRAM_FOLDERS = ("app", "batch")
# The calculation shows nothing and never ends the program: it hands a status
# back, and the driver tells the user. These folders may not include the
# message service.
SILENT_FOLDERS = ("astro",)
MESSAGE_SERVICE = "platform/MessageService.h"
MESSAGE_CALL = re.compile(r"\b(Messages|ShowMessage|AskYesNo|EndProgram)\s*\(")


class TableError(Exception):
    """The layer table is missing or does not describe the tree."""


def read_table(root):
    """The README block as a list of lines (top first) of folder names."""
    readme = os.path.join(root, "README.md")
    try:
        with open(readme, encoding="utf-8") as f:
            text = f.read()
    except OSError as e:
        raise TableError(f"{readme}: cannot be read ({e.strerror})")
    match = re.search(r"^```layers[ \t]*\n(.*?)^```[ \t]*$", text, re.M | re.S)
    if not match:
        raise TableError(f"{readme}: no ```layers block (the layer table) found")
    layers = []
    for line in match.group(1).splitlines():
        line = line.strip()
        if line and not line.startswith("#"):
            layers.append([name.rstrip("/") for name in line.split()])
    if not layers:
        raise TableError(f"{readme}: the ```layers block lists no folders")
    return readme, layers


def product_folders(root):
    """Every folder holding .h or .cpp files, outside tests/ and tools/."""
    found = set()
    for top in sorted(os.listdir(root)):
        path = os.path.join(root, top)
        if not os.path.isdir(path) or top.startswith(".") or top.startswith("build"):
            continue
        if top in OUTSIDE_TABLE:
            continue
        for dirpath, dirnames, filenames in os.walk(path):
            dirnames[:] = [d for d in dirnames if not d.startswith(".")]
            if any(name.endswith(SOURCE_SUFFIXES) for name in filenames):
                found.add(os.path.relpath(dirpath, root).replace(os.sep, "/"))
    return found


def rank_folders(root, readme, layers):
    """Folder -> layer number (0 is the bottom line), checked against the tree."""
    rank = {}
    for number, line in enumerate(reversed(layers)):
        for folder in line:
            if folder in rank:
                raise TableError(f"{readme}: the layer table lists '{folder}' twice")
            if not os.path.isdir(os.path.join(root, folder)):
                raise TableError(f"{readme}: the layer table names '{folder}', which is not a folder")
            rank[folder] = number
    missing = sorted(product_folders(root) - set(rank))
    if missing:
        raise TableError(f"{readme}: the folder '{missing[0]}' holds sources but is not in the layer table")
    for folder in rank:
        if is_gui(folder) and domain_of(folder) in rank and rank[folder] < rank[domain_of(folder)]:
            raise TableError(f"{readme}: '{folder}' sits below its own folder '{domain_of(folder)}'")
    return rank


def is_gui(folder):
    return folder.rsplit("/", 1)[-1] == "gui"


def is_program(folder):
    return folder.rsplit("/", 1)[-1] in PROGRAM_FOLDERS


def domain_of(gui_folder):
    return gui_folder.rsplit("/", 1)[0]


def folder_of(path, rank):
    """The table folder an include path lies in: the longest one that prefixes it."""
    best = None
    for folder in rank:
        if path.startswith(folder + "/") and (best is None or len(folder) > len(best)):
            best = folder
    return best


def broken_rule(source, target, rank):
    """Why `source` may not include `target`, or None when it may."""
    if source == target:
        return None
    if is_gui(target) and not is_gui(source) and not is_program(source):
        return "a domain folder never includes a gui folder"
    if is_gui(source) and target == domain_of(source):
        return None
    if rank[target] < rank[source]:
        return None
    if rank[target] == rank[source]:
        return f"{source} and {target} share a layer; folders of one layer may not include each other"
    return f"{target} sits above {source}; includes go downward only"


def qt_gui_header_names(qt_dirs):
    """The header names of Qt Widgets and Qt PrintSupport found in the given
    folders, or in the usual Qt 6 include folders when none are given."""
    if not qt_dirs:
        qt_dirs = [os.path.join(base, module)
                   for base in glob.glob("/usr/include/*/qt6") + glob.glob("/usr/include/qt6")
                   for module in QT_GUI_MODULES]
    names = set()
    for folder in qt_dirs:
        if os.path.isdir(folder):
            names.update(n for n in os.listdir(folder) if n.startswith("Q"))
    return names


def qt_gui_class_names(header_names):
    """The classes of Qt Widgets and PrintSupport: one header per class."""
    return {n for n in header_names if QT_CLASS_NAME.fullmatch(n)} | set(QT_GUI_CLASSES)


def is_qt_gui_header(header, qt_gui_names):
    if header.split("/", 1)[0] in QT_GUI_MODULES:
        return True
    return "/" not in header and header in qt_gui_names


def included_path(root, folder, header, angle, tops):
    """The path from the tree's root of the file an include names, or None
    when it names no file of the tree (a system, Qt or generated header, or a
    path that leaves the tree). Quoted includes look beside the including file
    first, as the compiler does; <x/y.h> is the tree's only when x is one of its
    folders."""
    if angle:
        if header.split("/", 1)[0] not in tops or "/" not in header:
            return None
        path = header
    elif header.startswith(("./", "../")) or os.path.isfile(os.path.join(root, folder, header)):
        path = f"{folder}/{header}"
    else:
        path = header
    path = os.path.normpath(path).replace(os.sep, "/")
    return None if path.startswith("../") else path


def check_sources(root, rank, qt_gui_names, problems):
    """Checks every include line of every source file; returns how many were read."""
    tops = {folder.split("/", 1)[0] for folder in rank}
    qt_gui_classes = qt_gui_class_names(qt_gui_names)
    checked = 0
    for folder in sorted(rank):
        domain = not is_gui(folder) and not is_program(folder)
        path = os.path.join(root, folder)
        for name in sorted(os.listdir(path)):
            if not name.endswith(SOURCE_SUFFIXES):
                continue
            relative = f"{folder}/{name}"
            with open(os.path.join(path, name), encoding="utf-8", errors="replace") as f:
                for number, line in enumerate(f, 1):
                    where = f"{relative}:{number}"
                    code = line.split("//", 1)[0]
                    include = QUOTED_INCLUDE.match(line) or ANGLE_INCLUDE.match(line)
                    if include:
                        header, angle = include.group(1), include.re is ANGLE_INCLUDE
                        shown = f"<{header}>" if angle else f'"{header}"'
                        target = included_path(root, folder, header, angle, tops | set(OUTSIDE_TABLE))
                        if target is not None:
                            checked += 1
                            check_include(where, folder, target, shown, rank, tops, problems)
                        elif angle and domain:
                            checked += 1
                            if is_qt_gui_header(header, qt_gui_names):
                                problems.append(f"{where}: {folder} includes {shown}: "
                                                "a domain folder includes no Qt Widgets or PrintSupport header")
                        continue
                    if folder in SILENT_FOLDERS and MESSAGE_CALL.search(code):
                        problems.append(f"{where}: {folder} calls the message service: "
                                        "the calculation hands back a status and shows no message itself")
                    if domain and name.endswith(".h"):
                        for qt_class in sorted(set(QT_CLASS_NAME.findall(code)) & qt_gui_classes):
                            problems.append(f"{where}: {folder} names {qt_class}: a domain header names "
                                            "no Qt Widgets or PrintSupport class, not even to declare it")
    return checked


def check_include(where, folder, path, shown, rank, tops, problems):
    top = path.split("/", 1)[0]
    if path == MESSAGE_SERVICE and folder in SILENT_FOLDERS:
        problems.append(f"{where}: {folder} -> platform ({shown}): "
                        "the calculation hands back a status and shows no message itself")
        return
    if "/" not in path:
        return
    if top in OUTSIDE_TABLE:
        problems.append(f"{where}: {folder} -> {top} ({shown}): "
                        "the program never includes tests/ or tools/")
        return
    if top not in tops:
        return
    target = folder_of(path, rank)
    if target is None:
        problems.append(f"{where}: {folder} -> {top} ({shown}): the folder is not in the layer table")
        return
    rule = broken_rule(folder, target, rank)
    if rule:
        problems.append(f"{where}: {folder} -> {target} ({shown}): {rule}")


def strip_cmake_comments(text):
    return re.sub(r"#[^\n]*", "", text)


def cmake_calls(text, command):
    """The argument lists of every call of a CMake command."""
    pattern = re.compile(r"\b" + command + r"\s*\(([^)]*)\)", re.S)
    return [match.group(1).split() for match in pattern.finditer(text)]


def library_folders(root, rank):
    """Library or program name -> folder, from the folders' CMakeLists.txt."""
    names = {}
    for folder in rank:
        text = read_cmake(root, folder)
        for args in cmake_calls(text, "vostrane_folder_library"):
            if args:
                names[args[0]] = folder
                names[args[0] + "_gui"] = f"{folder}/gui"
        for args in cmake_calls(text, "add_executable"):
            sources = [a for a in args[1:] if a.endswith(".cpp")]
            if sources:
                names[args[0]] = os.path.normpath(f"{folder}/{os.path.dirname(sources[0])}")
    return names


def read_cmake(root, folder):
    try:
        with open(os.path.join(root, folder, "CMakeLists.txt"), encoding="utf-8") as f:
            return strip_cmake_comments(f.read())
    except OSError:
        return ""


def linked_libraries(text, names):
    """(folder that links, library name) for every link a CMakeLists.txt makes."""
    links = []
    for args in cmake_calls(text, "vostrane_folder_library"):
        if not args:
            continue
        owner, section = names[args[0]], None
        for arg in args[1:]:
            if arg in ("DEPS", "GUI_DEPS"):
                section = arg
            elif section:
                links.append((owner if section == "DEPS" else f"{owner}/gui", arg))
    for args in cmake_calls(text, "target_link_libraries"):
        if args and args[0] in names:
            links += [(names[args[0]], arg) for arg in args[1:]
                      if arg not in ("PUBLIC", "PRIVATE", "INTERFACE")]
    return links


def check_cmake(root, rank, problems):
    names = library_folders(root, rank)
    for folder in sorted(rank):
        text = read_cmake(root, folder)
        for source, library in linked_libraries(text, names):
            target = names.get(library)
            if target is None:
                continue
            rule = broken_rule(source, target, rank)
            if rule:
                problems.append(f"{folder}/CMakeLists.txt: {source} links {library} ({target}): {rule}")


def main(argv):
    parser = argparse.ArgumentParser(description="Checks the include directions against README.md's layer table.")
    parser.add_argument("root", help="the source tree")
    parser.add_argument("--qt-headers", action="append", default=[],
                        help="a folder of Qt Widgets or PrintSupport headers (may be repeated)")
    options = parser.parse_args(argv)
    try:
        readme, layers = read_table(options.root)
        rank = rank_folders(options.root, readme, layers)
    except TableError as e:
        print(f"layer check: {e}", file=sys.stderr)
        return 2
    problems = []
    checked = check_sources(options.root, rank, qt_gui_header_names(options.qt_headers), problems)
    check_cmake(options.root, rank, problems)
    for problem in problems:
        print(problem)
    if problems:
        print(f"{len(problems)} forbidden includes or links (layer table: {readme})")
        return 1
    print(f"layer order kept: {len(rank)} folders on {len(layers)} layers, {checked} includes checked")
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
