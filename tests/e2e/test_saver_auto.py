"""The screen saver starting on its own: with ScreenSaver on and SSDelay 0 it covers
the screen at the first test after start-up and again right after a key ends it; the
keyboard lights' own writes to the lock keys do not hold it off; with the power off,
or with a delay of a minute, it stays away."""

import time
import unittest

import festoon_e2e as fe
import saver_common as sc


class AutoStart(unittest.TestCase):
    def test_delay_zero_starts_it_and_starts_it_again_after_a_key(self):
        with fe.Session(ini=sc.settings(ScreenSaver=1, SSDelay=0), test_build=True) as s:
            first = sc.wait_saver(s, timeout=20)
            self.assertTrue(first, "the saver did not start by itself")
            self.assertEqual(first["rect"], (0, 0, 1024, 768))
            time.sleep(0.5)
            s.xdotool("key", "a")
            again = s.wait_for(lambda: [w for w in sc.saver_windows(s)
                                        if w["hwnd"] != first["hwnd"]], timeout=20)
            self.assertTrue(again, "it did not start again after the key")
            self.assertEqual(s.close(), 0)

    def test_flashing_keyboard_lights_do_not_hold_it_off(self):
        # Alternating: bulbs 0-2, and so the lock-key bytes, change at every step
        # (every 120 ms). A "minute" of SSDelay lasts 1.5 s here.
        ini = sc.settings(ScreenSaver=1, SSDelay=1, KeyLights=1, Mode=4, Rate=4)
        with fe.Session(ini=ini, test_build=True) as s:
            s.wait_started()
            started = time.monotonic()
            sc.hook(s, sc.HOOK_MINUTE, 1500)
            self.assertTrue(sc.wait_saver(s, timeout=15), "the key lights held the saver off")
            self.assertGreater(time.monotonic() - started, 1.4, "it came before the delay")
            self.assertEqual(s.close(), 0)

    def test_power_off_or_a_minute_of_delay_keeps_it_away(self):
        for values in ({"Power": 0, "SSDelay": 0}, {"Power": 1, "SSDelay": 1}):
            with self.subTest(**values):
                ini = sc.settings(ScreenSaver=1, WarnPower=0, **values)
                with fe.Session(ini=ini, test_build=True) as s:
                    s.wait_started()
                    time.sleep(4)
                    self.assertEqual(sc.saver_windows(s), [])
                    self.assertEqual(s.close(), 0)


if __name__ == "__main__":
    unittest.main()
