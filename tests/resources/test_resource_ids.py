"""Numeric ids in resources/resource.h never collide within their kind, and the
finished festoon.exe carries its manifest and version resource.

Ids of one kind share the prefix before the first underscore (IDM_ commands, IDS_
strings, IDB_ bitmaps, IDI_ icons), and a dialog's control ids share IDC_<DIALOG>_.
A comment that starts with "first-last" gives the range of ids a define stands for."""

import os
import re
import subprocess
import sys
import unittest

ROOT = os.path.join(os.path.dirname(os.path.abspath(__file__)), os.pardir, os.pardir)
DEFINE = re.compile(r"^\s*#define\s+(\w+)\s+(\d+)\b(?:\s*//\s*(\d+)-(\d+))?")


def kind_of(name):
    parts = name.split("_")
    if parts[0] == "IDC" and len(parts) > 2:
        return "IDC_" + parts[1]
    return parts[0]


def collisions(lines):
    """Pairs of names of one kind whose ids or ranges overlap."""
    seen = {}
    found = []
    for line in lines:
        m = DEFINE.match(line)
        if not m:
            continue
        name, value = m.group(1), int(m.group(2))
        low, high = (int(m.group(3)), int(m.group(4))) if m.group(3) else (value, value)
        low, high = min(low, value), max(high, value)
        for other, (olow, ohigh) in seen.setdefault(kind_of(name), {}).items():
            if low <= ohigh and olow <= high:
                found.append((other, name))
        seen[kind_of(name)][name] = (low, high)
    return found


class ResourceIds(unittest.TestCase):
    def test_no_two_ids_of_a_kind_collide(self):
        with open(os.path.join(ROOT, "resources", "resource.h")) as f:
            self.assertEqual(collisions(f.read().splitlines()), [])

    def test_the_check_finds_a_collision(self):
        sample = ["#define IDS_A 100 // 100-109 names", "#define IDS_B 105",
                  "#define IDM_C 105", "#define IDC_ONE_OK 1", "#define IDC_TWO_OK 1"]
        self.assertEqual(collisions(sample), [("IDS_A", "IDS_B")])


class ProgramResources(unittest.TestCase):
    def setUp(self):
        build = os.environ.get("FESTOON_WIN_BUILD", "")
        self.exe = os.path.join(build, "festoon.exe")
        if not os.path.isfile(self.exe):
            self.skipTest("no Windows build")

    def test_manifest_and_version_resource(self):
        listing = subprocess.run(["x86_64-w64-mingw32-objdump", "-p", self.exe],
                                 capture_output=True, text=True, check=True).stdout
        types = listing.split("The .rsrc Resource Directory section:")[1]
        top = [int(t, 16) for t in re.findall(r"^0[0-9a-f]{2}   Entry: ID: 0x([0-9a-f]+)",
                                               types, re.M)]
        self.assertIn(16, top, "no RT_VERSION")
        self.assertIn(24, top, "no RT_MANIFEST")
        with open(self.exe, "rb") as f:
            data = f.read()
        for text in (b'requestedExecutionLevel level="asInvoker"',
                     b'name="Microsoft.Windows.Common-Controls" version="6.0.0.0"',
                     b"{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}"):
            self.assertIn(text, data)
        for key, value in (("ProductName", "Festoon"), ("FileVersion", "2.21")):
            self.assertIn((key + "\0").encode("utf-16-le"), data)
            self.assertIn((value + "\0").encode("utf-16-le"), data)


if __name__ == "__main__":
    unittest.main(argv=sys.argv[:1], verbosity=2)
