"""Fifty starts and ends of the screen saver, through every effect, leave the
program holding no more GDI objects, DCs or icons than before."""

import time
import unittest

import festoon_e2e as fe
import saver_common as sc


class Handles(unittest.TestCase):
    def counts(self, s):
        return [s.test_hook(q) for q in (fe.HOOK_LIVE_GDI_OBJECTS, fe.HOOK_LIVE_DCS,
                                         fe.HOOK_LIVE_ICONS)]

    def test_fifty_starts_and_ends_leak_nothing(self):
        with fe.Session(ini=sc.settings(SSMsg="Season's Greetings"), test_build=True) as s:
            s.wait_started()
            before = self.counts(s)
            during = None
            for i in range(50):
                self.assertEqual(sc.hook(s, sc.HOOK_START, i % 7), 1)
                time.sleep(0.12)  # a couple of ticks
                if i == 3:
                    during = self.counts(s)
                self.assertEqual(sc.hook(s, sc.HOOK_END), 1)
            after = self.counts(s)
            self.assertEqual(after, before)
            # The saver's own picture is counted while it runs: the counters see it.
            self.assertGreater(during[0], before[0])
            self.assertEqual(sc.saver_windows(s), [])
            self.assertEqual(s.close(), 0)


if __name__ == "__main__":
    unittest.main()
