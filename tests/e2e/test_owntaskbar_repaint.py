"""The own taskbar repainted: clicks on the bar and colour changes (no GDI object may
pile up), and switching OwnWindow off and on again while the program runs."""

import unittest

import festoon_e2e as fe
import lights_common as lc
import owntaskbar_common as ot

DARK_BLUE, BLUE = (0, 0, 127), (0, 0, 255)


class Repaint(unittest.TestCase):
    def test_clicks_and_colour_changes_leak_nothing(self):
        with fe.Session(ini=ot.ini(BackColor=5), test_build=True) as s:
            s.wait_started()
            lc.hold_still(s)  # from here only the bar's own painting draws the string
            gdi = s.test_hook(fe.HOOK_LIVE_GDI_OBJECTS)
            s.driver_ok("send", ot.BAR_CLASS, ot.WM_LBUTTONDBLCLK, 0, 0, 300)
            s.driver_ok("send", fe.MAIN_CLASS, ot.WM_SETTINGCHANGE, 0, 0, 300)
            self.assertEqual(s.test_hook(fe.HOOK_LIVE_GDI_OBJECTS), gdi)
            self.assertTrue(s.wait_for(lambda: ot.painted(s.capture(), DARK_BLUE)),
                            "the bar lost its colour or its string")
            # BackColor is read again without being applied (as the options dialog's
            # Cancel does): a right click changes nothing and opens no menu; a double
            # click fills the bar anew.
            settings = s.read_ini()
            settings["Settings"]["BackColor"] = "6"
            with open(s.ini_path, "w", encoding="latin-1", newline="") as f:
                f.write(fe.format_ini(settings))
            self.assertEqual(s.test_hook(ot.HOOK_RELOAD_SETTINGS), 1)
            s.xdotool("mousemove", 112, 20, "click", 3)
            self.assertIsNone(s.wait_for(s.menu_items, timeout=2), "the bar opened a menu")
            self.assertTrue(ot.painted(s.capture(), DARK_BLUE))
            s.xdotool("mousemove", 48, 20, "click", "--repeat", 2, "--delay", 60, 1)
            self.assertTrue(s.wait_for(lambda: ot.painted(s.capture(), BLUE)),
                            "a double click did not repaint the bar")
            self.assertEqual(s.test_hook(fe.HOOK_LIVE_GDI_OBJECTS), gdi)
            self.assertEqual(s.close(), 0)

    def test_switching_own_window_off_and_on(self):
        with fe.Session(ini=ot.ini(OwnWindow=0, BackColor=5, OnTop=1), test_build=True) as s:
            s.wait_started()
            self.assertEqual((ot.bars(s), ot.free_top(s)), ([], 0))
            self.assertEqual(s.test_hook(ot.HOOK_SET_OWN_WINDOW, 1), 1)
            self.assertEqual([(b["rect"], b["visible"]) for b in ot.bars(s)],
                             [((0, 0, 1024, 32), True)])
            self.assertEqual((ot.is_topmost(s), ot.free_top(s)), (True, 32))
            self.assertTrue(s.wait_for(lambda: ot.painted(s.capture(), DARK_BLUE)),
                            "a bar switched on at run time lacks its BackColor")

            self.assertEqual(s.test_hook(ot.HOOK_SET_OWN_WINDOW, 0), 0)
            self.assertEqual((ot.bars(s), ot.free_top(s)), ([], 0))

            def back_on_desktop():
                image = s.capture()
                return (bytes(DARK_BLUE) not in lc.strip(image).colors() and
                        all(lc.has_bulb(image, i, lc.background(image)) == (i % 2 == 0)
                            for i in range(32)))

            self.assertTrue(s.wait_for(back_on_desktop), "the bulbs did not return to the desktop")
            gdi = s.test_hook(fe.HOOK_LIVE_GDI_OBJECTS)
            for on in [1, 0] * 15:
                self.assertEqual(s.test_hook(ot.HOOK_SET_OWN_WINDOW, on), on)
            self.assertEqual(s.test_hook(fe.HOOK_LIVE_GDI_OBJECTS), gdi)
            self.assertEqual(s.close(), 0)


if __name__ == "__main__":
    unittest.main(verbosity=2)
