"""Each of the seven screen saver effects, started as the options dialog's Test button
starts it: a window over the whole screen, taskbar included; the bulbs along its top
edge where they stood on the desktop; below them a picture that moves (Blank Screen:
that stays still); a key ends it and the desktop comes back with its bulbs."""

import time
import unittest

import festoon_e2e as fe
import lights_common as lc
import saver_common as sc

TASKBAR_BAND = (0, 750, 1024, 18)


class Effects(unittest.TestCase):
    def test_every_effect_runs_under_the_bulbs_and_a_key_ends_it(self):
        with fe.Session(ini=sc.settings(), test_build=True) as s:
            s.wait_started()
            s.xdotool("mousemove", 500, 400)
            desktop = s.capture()
            self.assertEqual(lc.background(desktop), sc.DESKTOP_BLUE)
            mask = sc.bulb_mask(lc.strip(desktop), sc.DESKTOP_BLUE)
            self.assertGreater(len(mask), 5000, "the string is on the desktop")
            taskbar = desktop.crop(*TASKBAR_BAND)
            self.assertLess(taskbar.width * taskbar.height - taskbar.count_unlike((0, 0, 0)),
                            0.1 * taskbar.width * taskbar.height, "the taskbar is black before")
            for effect, name in enumerate(sc.EFFECTS):
                with self.subTest(effect=name):
                    self.check_effect(s, effect, desktop, mask)
            self.assertEqual(s.close(), 0)

    def check_effect(self, s, effect, desktop, mask):
        window = sc.start(s, effect)
        self.assertEqual(window["rect"], (0, 0, 1024, 768))
        self.assertTrue(window["visible"])
        time.sleep(0.5)
        first = s.capture()
        time.sleep(1.0)
        second = s.capture()
        # It covers the taskbar, which stays on top of ordinary windows.
        band = second.crop(*TASKBAR_BAND)
        black = band.width * band.height - band.count_unlike((0, 0, 0))
        self.assertGreater(black, 0.6 * band.width * band.height, "the taskbar shows through")
        self.assertTrue(sc.bulbs_match(second, desktop, mask), "bulbs missing on the saver")
        changed = sc.changed_pixels(first, second)
        if effect == 5:
            self.assertEqual(changed, 0, "Blank Screen changed")
        else:
            self.assertGreater(changed, 20, "nothing moved below the string")
        s.xdotool("key", "a")
        self.assertEqual(sc.wait_saver(s, present=False, timeout=10), {}, "a key did not end it")

        def desktop_back():
            image = s.capture()
            x, y, w, h = sc.BELOW_STRING
            clean = image.crop(x, y, w, h).count_unlike(sc.DESKTOP_BLUE) == 0
            return clean and sc.bulbs_match(image, desktop, mask, tolerance=0)

        self.assertTrue(s.wait_for(desktop_back, timeout=10),
                        "the desktop did not come back with its bulbs")


if __name__ == "__main__":
    unittest.main()
