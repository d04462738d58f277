#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""The layer checker on small made-up trees: a clean tree passes, and each
kind of forbidden include or link, a missing table and a table naming an
unknown folder make it fail with a message that says where and why."""

import os
import subprocess
import sys
import tempfile
import unittest

CHECKER = os.path.join(os.path.dirname(os.path.abspath(__file__)), "check_layers.py")

TABLE = """\
```layers
# top first
                 shell/app  shell/batch
viewer           viewer/gui
names            names/gui
astro  session
platform         platform/gui
```
"""

CLEAN_FILES = {
    "platform/File.h": "#pragma once\n#include <string>\n",
    "platform/gui/Box.h": '#include <QDialog>\n#include "platform/File.h"\n',
    "session/Entry.h": '#include "platform/File.h"\n#include "Local.h"\n',
    "astro/Planets.cpp": '#include "Planets.h"\n#include <astro/Planets.h>\n#include "../platform/File.h"\n',
    "astro/Planets.h": "#pragma once\n",
    "names/Names.cpp": '#include "session/Entry.h"\n#include "astro/Planets.h"\n',
    "names/gui/NameList.cpp": '#include "names/Names.h"\n#include "platform/gui/Box.h"\n',
    "viewer/Viewer.cpp": '#include "names/Names.h"\n',
    "viewer/gui/Window.cpp": '#include "viewer/Viewer.h"\n#include "names/gui/NameList.h"\n',
    "shell/app/main.cpp": '#include "viewer/gui/Window.h"\n',
    "shell/batch/Batch.cpp": '#include "shell/batch/Batch.h"\n#include "viewer/Viewer.h"\n#include <QDialog>\n',
    "tools/Tool.cpp": '#include "viewer/gui/Window.h"\n',
    "tests/names/names_test.cpp": '#include "names/gui/NameList.h"\n',
    "platform/CMakeLists.txt": "vostrane_folder_library(vplatform)\n",
    "astro/CMakeLists.txt": "# Calculation.\nvostrane_folder_library(vastro DEPS vplatform)\n",
    "session/CMakeLists.txt": "vostrane_folder_library(vsession DEPS vplatform)\n",
    "names/CMakeLists.txt": "vostrane_folder_library(vnames DEPS vsession vastro\n"
                            "                        GUI_DEPS vplatform_gui)\n",
    "viewer/CMakeLists.txt": "vostrane_folder_library(vviewer DEPS vnames GUI_DEPS vnames_gui)\n",
}


class FakeTree:
    """A source tree in a temporary folder: README.md and the given files."""

    def __init__(self, test, files, readme="# Fake\n\n" + TABLE):
        folder = tempfile.TemporaryDirectory()
        test.addCleanup(folder.cleanup)
        self.root = folder.name
        if readme is not None:
            self.write("README.md", readme)
        for path, text in files.items():
            self.write(path, text)

    def write(self, path, text):
        full = os.path.join(self.root, path)
        os.makedirs(os.path.dirname(full), exist_ok=True)
        with open(full, "w", encoding="utf-8") as f:
            f.write(text)

    def check(self):
        qt_headers = os.path.join(self.root, "qt", "QtWidgets")
        os.makedirs(qt_headers, exist_ok=True)
        open(os.path.join(qt_headers, "QDialog"), "w").close()
        return subprocess.run([sys.executable, CHECKER, self.root, "--qt-headers", qt_headers],
                              capture_output=True, text=True)


def with_files(changes):
    """The clean tree with some files added or replaced."""
    return {**CLEAN_FILES, **changes}


class LayerCheckerTest(unittest.TestCase):
    def assert_fails(self, tree, status, *texts):
        result = tree.check()
        self.assertEqual(result.returncode, status, result.stdout + result.stderr)
        for text in texts:
            self.assertIn(text, result.stdout + result.stderr)
        return result

    def test_clean_tree_passes(self):
        result = FakeTree(self, CLEAN_FILES).check()
        self.assertEqual(result.returncode, 0, result.stdout + result.stderr)
        self.assertIn("layer order kept: 10 folders on 5 layers", result.stdout)

    def test_includes_are_followed_to_the_folder_they_land_in(self):
        for source, include, target, rule in (
                ("session/Entry.cpp", "<viewer/Viewer.h>", "viewer", "viewer sits above session"),
                ("session/Entry.cpp", '"../viewer/Viewer.h"', "viewer", "viewer sits above session"),
                ("names/Names.cpp", '"./gui/NameList.h"', "names/gui", "never includes a gui folder"),
                ("names/Names.cpp", '"gui/NameList.h"', "names/gui", "never includes a gui folder"),
                ("session/Entry.cpp", "<tests/support/Temp.h>", "tests", "never includes tests/ or tools/")):
            with self.subTest(include=include):
                tree = FakeTree(self, with_files({"names/gui/NameList.h": "#pragma once\n",
                                                  source: f"#include {include}\n"}))
                folder = source.rsplit("/", 1)[0]
                self.assert_fails(tree, 1, f"{source}:1: {folder} -> {target} ({include}): ", rule)

    def test_include_within_a_layer_fails(self):
        tree = FakeTree(self, with_files({"astro/X.cpp": '#include "astro/Planets.h"\n#include "session/Entry.h"\n'}))
        result = self.assert_fails(tree, 1, 'astro/X.cpp:2: astro -> session ("session/Entry.h")',
                                   "astro and session share a layer")
        self.assertEqual(result.stdout.count("\n"), 2, result.stdout)

    def test_calculation_using_the_message_service_fails(self):
        tree = FakeTree(self, with_files({"astro/Loud.cpp": '#include "platform/MessageService.h"\n',
                                          "astro/Call.cpp": "void F() { EndProgram(); }  // ShowMessage( in a comment\n",
                                          "session/Fine.cpp": '#include "platform/MessageService.h"\n'}))
        result = self.assert_fails(tree, 1, 'astro/Loud.cpp:1: astro -> platform ("platform/MessageService.h")',
                                   "shows no message itself", "astro/Call.cpp:1: astro calls the message service")
        self.assertNotIn("session/Fine.cpp", result.stdout)
        self.assertEqual(result.stdout.count("\n"), 3, result.stdout)

    def test_upward_include_fails(self):
        tree = FakeTree(self, with_files({"session/Up.h": '#include "names/Names.h"\n'}))
        self.assert_fails(tree, 1, 'session/Up.h:1: session -> names ("names/Names.h")',
                          "names sits above session; includes go downward only")

    def test_domain_folder_including_a_gui_folder_fails(self):
        tree = FakeTree(self, with_files({"names/Names.cpp": '#include "platform/gui/Box.h"\n'}))
        self.assert_fails(tree, 1, 'names/Names.cpp:1: names -> platform/gui ("platform/gui/Box.h")',
                          "a domain folder never includes a gui folder")

    def test_gui_folder_including_a_higher_gui_folder_fails(self):
        tree = FakeTree(self, with_files({"names/gui/Other.cpp": '#include "viewer/gui/Window.h"\n'}))
        self.assert_fails(tree, 1, "names/gui/Other.cpp:1: names/gui -> viewer/gui",
                          "viewer/gui sits above names/gui")

    def test_qt_widgets_in_a_domain_folder_fails(self):
        tree = FakeTree(self, with_files({"viewer/Viewer.cpp": "#include <QDialog>\n#include <QtPrintSupport/QPrinter>\n"
                                                        "#include <QString>\n"}))
        result = self.assert_fails(tree, 1, "viewer/Viewer.cpp:1: viewer includes <QDialog>",
                                   "viewer/Viewer.cpp:2: viewer includes <QtPrintSupport/QPrinter>")
        self.assertNotIn("QString", result.stdout)

    def test_batch_folder_is_a_program_on_top(self):
        tree = FakeTree(self, with_files({"viewer/Viewer.cpp": '#include "shell/batch/Batch.h"\n',
                                          "shell/batch/Run.cpp": '#include "shell/app/Main.h"\n'
                                                                 '#include "tools/Tool.h"\n'}))
        result = self.assert_fails(tree, 1, "viewer/Viewer.cpp:1: viewer -> shell/batch",
                                   "shell/batch sits above viewer",
                                   "shell/batch/Run.cpp:1: shell/batch -> shell/app",
                                   "shell/batch/Run.cpp:2: shell/batch -> tools")
        self.assertNotIn("shell/batch/Batch.cpp", result.stdout)

    def test_domain_header_naming_a_qt_widgets_class_fails(self):
        tree = FakeTree(self, with_files({
            "viewer/Viewer.h": "class QWidget;\nvoid Show(QDialog* d, QString s);  // not a QMainWindow\n",
            "viewer/Viewer.cpp": "void Show(QDialog*, QString) {}\n",
            "viewer/gui/Window.h": "class QWidget;\n"}))
        result = self.assert_fails(tree, 1, "viewer/Viewer.h:1: viewer names QWidget",
                                   "viewer/Viewer.h:2: viewer names QDialog", "2 forbidden")
        self.assertNotIn("QMainWindow", result.stdout)

    def test_program_code_including_tests_fails(self):
        tree = FakeTree(self, with_files({"viewer/Viewer.cpp": '#include "tests/support/Temp.h"\n'}))
        self.assert_fails(tree, 1, "viewer/Viewer.cpp:1: viewer -> tests",
                          "the program never includes tests/ or tools/")

    def test_forbidden_library_links_fail(self):
        tree = FakeTree(self, with_files({
            "astro/CMakeLists.txt": "vostrane_folder_library(vastro DEPS vsession vplatform)\n",
            "session/CMakeLists.txt": "vostrane_folder_library(vsession DEPS vplatform)\n"
                                        "target_link_libraries(vsession PUBLIC vplatform_gui)\n"}))
        self.assert_fails(tree, 1, "astro/CMakeLists.txt: astro links vsession (session)",
                          "session/CMakeLists.txt: session links vplatform_gui (platform/gui)",
                          "2 forbidden includes or links")

    def test_gui_library_linking_an_upper_library_fails(self):
        tree = FakeTree(self, with_files({
            "names/CMakeLists.txt": "vostrane_folder_library(vnames DEPS vsession GUI_DEPS vviewer)\n"}))
        self.assert_fails(tree, 1, "names/CMakeLists.txt: names/gui links vviewer (viewer)")

    def test_missing_table_fails(self):
        self.assert_fails(FakeTree(self, CLEAN_FILES, readme="# Fake\n\nNo diagram.\n"), 2,
                          "no ```layers block")
        self.assert_fails(FakeTree(self, CLEAN_FILES, readme=None), 2, "README.md: cannot be read")

    def test_table_naming_an_unknown_folder_fails(self):
        readme = TABLE.replace("astro  session", "astro  session  nosuch")
        self.assert_fails(FakeTree(self, CLEAN_FILES, readme=readme), 2,
                          "the layer table names 'nosuch', which is not a folder")

    def test_folder_missing_from_the_table_fails(self):
        tree = FakeTree(self, with_files({"extra/Extra.cpp": "int x;\n"}))
        self.assert_fails(tree, 2, "the folder 'extra' holds sources but is not in the layer table")

    def test_folder_listed_twice_fails(self):
        readme = TABLE.replace("names            names/gui", "names  astro    names/gui")
        self.assert_fails(FakeTree(self, CLEAN_FILES, readme=readme), 2, "lists 'astro' twice")

    def test_gui_folder_below_its_domain_folder_fails(self):
        readme = TABLE.replace("viewer           viewer/gui", "viewer").replace(
            "astro  session", "astro  session  viewer/gui")
        self.assert_fails(FakeTree(self, CLEAN_FILES, readme=readme), 2,
                          "'viewer/gui' sits below its own folder 'viewer'")


if __name__ == "__main__":
    unittest.main()
