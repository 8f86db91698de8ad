"""The shipped festoon.exe answers the diagnostics queries but carries out none of the
hook operations that change behaviour; only the test build does."""

import unittest

import festoon_e2e as fe
import lights_common as lc


class ShippedHook(unittest.TestCase):
    def test_operations_change_nothing_in_the_shipped_program(self):
        ini = lc.settings(Rate=4, IdleProcess=0)
        with fe.Session(ini=ini) as s:
            s.wait_started()
            self.assertGreater(s.test_hook(fe.HOOK_LIVE_GDI_OBJECTS), 0)  # the sprite strips
            self.assertEqual(s.test_hook(fe.HOOK_ANIMATION_TIMER, 0), 0)
            self.assertEqual(s.test_hook(fe.HOOK_SET_STYLE_INTERVAL, 1), 0)
            self.assertEqual(s.test_hook(fe.HOOK_TIME_DRAWS, 5), 0)
            before = s.test_hook(fe.HOOK_ANIMATION_STEPS)
            self.assertEqual(s.test_hook(fe.HOOK_RUN_STEPS, 500), 0)
            builds = s.test_hook(fe.HOOK_STRING_BUILDS)
            # The timer was not stopped: the string keeps stepping on its own, and no
            # burst of 500 steps or timed style change happened.
            self.assertTrue(s.wait_for(
                lambda: s.test_hook(fe.HOOK_ANIMATION_STEPS) >= before + 5, timeout=20))
            self.assertLess(s.test_hook(fe.HOOK_ANIMATION_STEPS), before + 400)
            self.assertEqual(s.test_hook(fe.HOOK_STRING_BUILDS), builds)

    def test_the_test_build_carries_them_out(self):
        ini = lc.settings(Rate=4, IdleProcess=0)
        with fe.Session(ini=ini, test_build=True) as s:
            s.wait_started()
            self.assertEqual(s.test_hook(fe.HOOK_ANIMATION_TIMER, 0), 1)
            before = s.test_hook(fe.HOOK_ANIMATION_STEPS)
            self.assertEqual(s.test_hook(fe.HOOK_RUN_STEPS, 50), before + 50)


if __name__ == "__main__":
    unittest.main()
