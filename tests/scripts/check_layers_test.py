#!/usr/bin/env python3
"""The layering check catches what it is for, on small trees built for each case."""

import importlib.util
import sys
import tempfile
import unittest
from pathlib import Path

SCRIPT = Path(__file__).resolve().parents[2] / "scripts" / "check-layers.py"
loader_spec = importlib.util.spec_from_file_location("check_layers", SCRIPT)
check_layers = importlib.util.module_from_spec(loader_spec)
loader_spec.loader.exec_module(check_layers)

TABLE = """# Architecture
| folder | what it holds | may include | Qt |
|---|---|---|---|
| `base/` | helpers | — | no |
| `core/` | the model | `core/inner/` | no |
| `core/inner/` | a part of it | `base/` | no |
| `gui/` | windows | `core/` | yes |
"""


class LayeringCheck(unittest.TestCase):
    def problems(self, files, table=TABLE):
        with tempfile.TemporaryDirectory() as folder:
            root = Path(folder)
            (root / "ARCHITECTURE.md").write_text(table)
            for path, text in files.items():
                (root / path).parent.mkdir(parents=True, exist_ok=True)
                (root / path).write_text(text)
            return check_layers.check(root)

    def test_a_tree_that_follows_the_table_passes(self):
        self.assertEqual(self.problems({
            "base/Text.h": "#include <string>\n",
            "core/Model.h": '#include "base/Text.h"\n',
            "core/Model.cpp": '#include "core/Model.h"\n#include "core/inner/Part.h"\n',
            "core/inner/Part.h": '#include "base/Text.h"\n',
            "core/inner/PartInternal.h": '#include "core/inner/Part.h"\n',
            "core/inner/Part.cpp": '#include "core/inner/PartInternal.h"\n',
            "gui/Window.cpp": '#include "base/Text.h"\n#include <QWidget>\n',
            "tests/AnyTest.cpp": '#include "gui/Window.h"\n',
        }), [])

    def test_each_kind_of_fault_is_named(self):
        cases = {
            "upward": ({"base/Text.h": '#include "core/Model.h"\n', "core/Model.h": ""},
                       'base/Text.h: includes "core/Model.h", but base/ may not include core/'),
            "sideways": ({"core/inner/Part.h": '#include "core/Model.h"\n', "core/Model.h": ""},
                         "core/inner/ may not include core/"),
            "qt in core": ({"core/Model.cpp": "#include <QString>\n"},
                           "includes <QString>, but core/ may not use Qt"),
            "missing": ({"core/Model.cpp": '#include "core/Gone.h"\n'}, "no file of the project"),
            "unknown folder": ({"extra/Thing.h": ""}, "extra/ is not in the table"),
            "unit cycle": ({"core/A.h": "", "core/A.cpp": '#include "core/B.h"\n',
                            "core/B.h": '#include "core/A.h"\n'},
                           "include each other in a circle: core/A, core/B"),
        }
        for name, (files, expected) in cases.items():
            with self.subTest(name):
                found = self.problems(files)
                self.assertTrue(any(expected in problem for problem in found), found)

    def test_a_table_whose_arrows_run_in_a_circle_is_refused(self):
        table = TABLE.replace("| `base/` | helpers | — | no |", "| `base/` | helpers | `gui/` | no |")
        self.assertTrue(any("in a circle" in p for p in self.problems({}, table)))


if __name__ == "__main__":
    unittest.main(argv=sys.argv[:1] + sys.argv[1:])
