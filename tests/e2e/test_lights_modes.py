"""One animation step changes every bulb in All Together mode and none in None mode;
with the power off every bulb shows its unlit image; the flicker-free path draws
the same picture as the direct one; idle-time stepping follows the step interval."""

import time
import unittest

import festoon_e2e as fe
import lights_common as lc


def bright_magenta(pixels):
    """Pixels of a lit purple bulb (unlit purple is RGB(128, 0, 128))."""
    return sum(1 for r, g, b in pixels if r > 200 and b > 200 and g < 100)


class Modes(unittest.TestCase):
    def steps_apart(self, mode):
        """Captures of the string one step apart: (before, after, background)."""
        ini = lc.settings(Mode=mode, Rate=0, Color=8, NotSoMany=0, IdleProcess=0)
        with fe.Session(ini=ini, test_build=True) as s:
            s.wait_started()
            lc.hold_still(s)
            steps = s.test_hook(fe.HOOK_ANIMATION_STEPS)
            before = s.capture()
            self.assertEqual(lc.step_once(s), steps + 1)
            after = s.capture()
            self.assertEqual(s.test_hook(fe.HOOK_ANIMATION_STEPS), steps + 1)
            return before, after, lc.background(before)

    def test_all_together_changes_every_bulb(self):
        before, after, bg = self.steps_apart(2)
        for i in range(32):
            a = lc.cell_pixels(before, i, lc.BULB_ROWS)
            b = lc.cell_pixels(after, i, lc.BULB_ROWS)
            self.assertNotEqual(a, b, "bulb %d did not change" % i)

    def test_none_changes_nothing(self):
        before, after, bg = self.steps_apart(0)
        self.assertEqual(lc.strip(before).rgb, lc.strip(after).rgb)
        self.assertGreater(lc.strip(before).count_unlike(bg), 32 * 100)

    def test_power_off_shows_unlit_bulbs(self):
        for power, lit_expected in ((1, True), (0, False)):
            ini = lc.settings(Mode=0, Color=0, NotSoMany=0, Power=power)
            with fe.Session(ini=ini) as s:
                s.wait_started()
                image = s.capture()
                bg = lc.background(image)
                for i in range(32):
                    pixels = lc.cell_pixels(image, i, lc.BULB_ROWS)
                    self.assertTrue(lc.has_bulb(image, i, bg))
                    self.assertEqual(bright_magenta(pixels) > 10, lit_expected,
                                     "Power=%d, position %d" % (power, i))

    def test_flicker_free_draws_the_same_picture(self):
        strips = []
        for no_flicker in (0, 1):
            ini = lc.settings(Mode=0, Color=8, BulbType=4, NotSoMany=0, NoFlicker=no_flicker)
            with fe.Session(ini=ini) as s:
                s.wait_started()
                image = s.capture()
                strips.append(lc.strip(image).rgb)
                self.assertGreater(lc.strip(image).count_unlike(lc.background(image)), 32 * 100)
        self.assertEqual(strips[0], strips[1])

    def test_idle_stepping_keeps_the_step_interval(self):
        """Very Fast: the timer steps every 120 ms, the idle path every 220 ms."""
        counts = {}
        for idle in (0, 1):
            with fe.Session(ini=lc.settings(Rate=4, IdleProcess=idle)) as s:
                s.wait_started()
                first = s.test_hook(fe.HOOK_ANIMATION_STEPS)
                time.sleep(4.4)
                counts[idle] = s.test_hook(fe.HOOK_ANIMATION_STEPS) - first
        self.assertGreaterEqual(counts[1], 8, counts)   # about 20 in 4.4 s
        self.assertLessEqual(counts[1], 21, counts)     # never faster than 220 ms
        self.assertGreater(counts[0], counts[1], counts)


if __name__ == "__main__":
    unittest.main()
