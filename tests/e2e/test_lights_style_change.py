"""With the random style and Change Bulbs, the string is rebuilt in a new style at
the style-change interval (shortened here through the test hook) and the old bulbs
are wiped from the screen; after thousands of steps and hundreds of rebuilds the
program holds exactly as many icons, GDI objects and DCs as before."""

import unittest

import festoon_e2e as fe
import lights_common as lc


class StyleChange(unittest.TestCase):
    def test_timed_change_rebuilds_and_wipes(self):
        ini = lc.settings(BulbType=-1, ChangeLights=1, Mode=0, Rate=0, NotSoMany=0)
        with fe.Session(ini=ini, test_build=True) as s:
            s.wait_started()
            s.test_hook(fe.HOOK_SET_STYLE_INTERVAL, 3000)
            builds = s.test_hook(fe.HOOK_STRING_BUILDS)
            self.assertTrue(s.wait_for(
                lambda: s.test_hook(fe.HOOK_STRING_BUILDS) >= builds + 2, timeout=20),
                "no timed style change in 20 s")

            # A change wipes the old bulbs; the next step draws the new string.
            s.test_hook(fe.HOOK_SET_STYLE_INTERVAL, 300000)
            lc.step_once(s)
            image = s.capture()
            bg = lc.background(image)
            self.assertGreater(lc.strip(image).count_unlike(bg), 1000, "bulbs are shown")

            # Change at every step: each step draws and then rebuilds and wipes, so
            # between steps the strip shows the bare desktop.
            s.test_hook(fe.HOOK_SET_STYLE_INTERVAL, 0)
            image = lc.capture_after_step(s)
            self.assertEqual(lc.strip(image).count_unlike(bg), 0, "old bulbs were not wiped")
            self.assertEqual(s.close(), 0)

    def test_no_handles_leak_over_steps_and_rebuilds(self):
        ini = lc.settings(BulbType=-1, ChangeLights=1, Mode=3, Rate=4, Color=-1,
                          BurnedOut=1, MissingBulbs=1, Broken=1)
        with fe.Session(ini=ini, test_build=True) as s:
            s.wait_started()
            queries = (fe.HOOK_LIVE_ICONS, fe.HOOK_LIVE_GDI_OBJECTS, fe.HOOK_LIVE_DCS)
            start = [s.test_hook(q) for q in queries]
            builds = s.test_hook(fe.HOOK_STRING_BUILDS)
            # A rebuild whenever 20 ms have passed: a few hundred over the run.
            s.test_hook(fe.HOOK_SET_STYLE_INTERVAL, 20)
            for _ in range(20):
                s.test_hook(fe.HOOK_RUN_STEPS, 500)
            s.test_hook(fe.HOOK_SET_STYLE_INTERVAL, 300000)
            self.assertGreaterEqual(s.test_hook(fe.HOOK_STRING_BUILDS) - builds, 100)
            self.assertGreaterEqual(s.test_hook(fe.HOOK_ANIMATION_STEPS), 10000)
            end = [s.test_hook(q) for q in queries]
            self.assertEqual(start, end, "icons, GDI objects, DCs")
            self.assertGreater(start[1], 0, "the counters see the string's bitmaps")
            self.assertEqual(s.close(), 0)


if __name__ == "__main__":
    unittest.main()
