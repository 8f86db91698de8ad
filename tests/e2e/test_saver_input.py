"""What ends the screen saver: with "Mouse Movement" a move of 10 pixels right or
down (11 left or up) from where the pointer stood, not less; without it no move at
all; a click only with "Mouse Click"; a key always."""

import time
import unittest

import festoon_e2e as fe
import saver_common as sc

BLANK = 5
START = (500, 400)


class Ending(unittest.TestCase):
    def still_running(self, s, seconds=1.0):
        time.sleep(seconds)
        return sc.hook(s, sc.HOOK_RUNNING) == 1

    def start_at_rest(self, s):
        s.xdotool("mousemove", *START)
        time.sleep(0.3)
        sc.start(s, BLANK)
        time.sleep(0.3)

    def test_mouse_movement_beyond_ten_pixels_ends_it(self):
        with fe.Session(ini=sc.settings(SSMouseMove=1, SSMouseClick=0), test_build=True) as s:
            s.wait_started()
            # (dx, dy, ends): the last two moves of a row are from the start point.
            rows = [((9, 9), False), ((-10, -10), False), ((9, -10), False), ((10, 0), True),
                    ((0, 10), True), ((-11, 0), True), ((0, -11), True)]
            for (dx, dy), ends in rows:
                with self.subTest(move=(dx, dy)):
                    self.start_at_rest(s)
                    s.xdotool("mousemove", START[0] + dx, START[1] + dy)
                    self.assertEqual(self.still_running(s), not ends)
                    if not ends:
                        s.xdotool("key", "space")
                        self.assertEqual(sc.wait_saver(s, present=False, timeout=10), {})
            self.assertEqual(s.close(), 0)

    def test_without_mouse_settings_only_a_key_ends_it(self):
        with fe.Session(ini=sc.settings(SSMouseMove=0, SSMouseClick=0), test_build=True) as s:
            s.wait_started()
            self.start_at_rest(s)
            s.xdotool("mousemove", 900, 700)
            self.assertTrue(self.still_running(s), "a move ended it")
            s.xdotool("click", "1")
            self.assertTrue(self.still_running(s), "a click ended it")
            # IgnoreWinSS (on by default): Windows' own screen saver is refused.
            answer = s.driver_ok("send", sc.SAVER_CLASS, "WM_SYSCOMMAND", 0xF140, 0).strip()
            self.assertEqual(answer, "1")
            self.assertTrue(self.still_running(s, 0.2))
            s.xdotool("key", "Return")
            self.assertEqual(sc.wait_saver(s, present=False, timeout=10), {})
            self.assertEqual(s.close(), 0)

    def test_keys_with_alt_do_not_end_it_but_alt_f4_does(self):
        with fe.Session(ini=sc.settings(SSMouseMove=0, SSMouseClick=0), test_build=True) as s:
            s.wait_started()
            self.start_at_rest(s)
            s.xdotool("key", "alt+x")
            self.assertTrue(self.still_running(s), "Alt+X ended it")
            s.xdotool("key", "alt+F4")
            self.assertEqual(sc.wait_saver(s, present=False, timeout=10), {})
            self.assertEqual(sc.hook(s, sc.HOOK_RUNNING), 0)
            # Ended properly: it starts again, and the desktop shows no trace of it.
            self.start_at_rest(s)
            s.xdotool("key", "Escape")
            self.assertEqual(sc.wait_saver(s, present=False, timeout=10), {})
            x, y, w, h = sc.BELOW_STRING
            self.assertTrue(s.wait_for(lambda: s.capture().crop(x, y, w, h)
                                       .count_unlike(sc.DESKTOP_BLUE) == 0, timeout=10))
            self.assertEqual(s.close(), 0)

    def test_a_click_ends_it_with_mouse_click(self):
        ini = sc.settings(SSMouseMove=0, SSMouseClick=1, IgnoreWinSS=0)
        with fe.Session(ini=ini, test_build=True) as s:
            s.wait_started()
            self.start_at_rest(s)
            # Without IgnoreWinSS the request takes its default course.
            answer = s.driver_ok("send", sc.SAVER_CLASS, "WM_SYSCOMMAND", 0xF140, 0).strip()
            self.assertEqual(answer, "0")
            s.xdotool("click", "3")
            self.assertEqual(sc.wait_saver(s, present=False, timeout=10), {})
            self.assertEqual(s.close(), 0)


if __name__ == "__main__":
    unittest.main()
