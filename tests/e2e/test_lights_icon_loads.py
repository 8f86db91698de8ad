"""Rebuilding the string, as the timed style changes do for weeks on end, loads each
bulb picture once per run: loading and destroying the icons at every rebuild made
the process grow under Wine (about 1 kB per rebuild) with no handle left behind."""

import os
import unittest

import festoon_e2e as fe
import lights_common as lc


class IconLoads(unittest.TestCase):
    def test_rebuilds_load_each_icon_once(self):
        ini = lc.settings(BulbType=-1, ChangeLights=1, Color=-1, BurnedOut=1,
                          MissingBulbs=1, Broken=1, NotSoMany=0)
        with fe.Session(ini=ini, test_build=True) as s:
            s.wait_started()
            builds = s.test_hook(fe.HOOK_STRING_BUILDS)
            for _ in range(6):
                s.test_hook(fe.HOOK_BUILD_STRING, 100)
            self.assertEqual(s.test_hook(fe.HOOK_STRING_BUILDS) - builds, 600)
            loads = s.test_hook(fe.HOOK_ICON_LOADS)
            self.assertLessEqual(loads, icon_resources())
            self.assertEqual(s.test_hook(fe.HOOK_LIVE_ICONS), 0)
            self.assertEqual(s.close(), 0)


def icon_resources():
    """Icons of the bulb art linked into the program: the most a run needs to load."""
    path = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "resources",
                        "art.rc")
    with open(path, encoding="ascii") as f:
        return sum(1 for line in f if " ICON " in line)


if __name__ == "__main__":
    unittest.main(verbosity=2)
