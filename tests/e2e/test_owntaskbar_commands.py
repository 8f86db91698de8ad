"""What acts on the own taskbar while the program runs: command 1005 (toggle OnTop,
saved at once), the shell's notices about full-screen programs and position changes,
clicks on the bar, background colour changes (no GDI object may pile up), and
switching OwnWindow off and on again."""

import unittest

import festoon_e2e as fe
import lights_common as lc
import owntaskbar_common as ot

DARK_BLUE = (0, 0, 127)


def ini(**values):
    merged = dict(Mode=0, Color=3, BulbType=0, NotSoMany=1, OwnWindow=1)
    merged.update(values)
    return lc.settings(**merged)


def saved_on_top(session):
    return session.read_ini().get("Settings", {}).get("OnTop")


class Commands(unittest.TestCase):
    def test_command_1005_toggles_topmost_and_saves(self):
        cases = [
            # OwnWindow, OnTop in the file, OnTop after one toggle and after a second
            (1, 0, 1, 0),
            (1, 7, 0, 1),  # any non-zero value is on: one toggle turns it off
            (0, 1, 0, 1),  # no bar: the setting still toggles and is saved
        ]
        for own_window, start, first, second in cases:
            with self.subTest(OwnWindow=own_window, OnTop=start):
                with fe.Session(ini=ini(OwnWindow=own_window, OnTop=start)) as s:
                    s.wait_started()
                    for expected in (first, second):
                        s.post_command(ot.CMD_TOGGLE_ON_TOP)
                        self.assertTrue(s.wait_for(lambda: saved_on_top(s) == str(expected)),
                                        "OnTop saved as %r" % saved_on_top(s))
                        if own_window:
                            self.assertEqual(ot.is_topmost(s), bool(expected))
                        else:
                            self.assertEqual(ot.bars(s), [])
                    self.assertEqual(s.close(), 0)

    def test_full_screen_programs_and_position_changes(self):
        with fe.Session(ini=ini(OnTop=1)) as s:
            s.wait_started()
            self.assertTrue(ot.is_topmost(s))
            self.assertEqual(ot.notify(s, ot.ABN_FULLSCREENAPP, 1), 0)
            self.assertFalse(ot.is_topmost(s), "a full-screen program must cover the bar")
            self.assertEqual(ot.free_top(s), 32, "the strip stays reserved meanwhile")
            ot.notify(s, ot.ABN_STATECHANGE, 0)
            self.assertFalse(ot.is_topmost(s))
            ot.notify(s, ot.ABN_POSCHANGED, 0)
            self.assertFalse(ot.is_topmost(s), "still a full-screen program open")
            ot.notify(s, ot.ABN_FULLSCREENAPP, 0)
            self.assertTrue(ot.is_topmost(s))
            self.assertEqual(ot.bars(s)[0]["rect"], (0, 0, 1024, 32))
            # With OnTop switched off, a later dock must not make the bar topmost again.
            s.post_command(ot.CMD_TOGGLE_ON_TOP)
            self.assertTrue(s.wait_for(lambda: not ot.is_topmost(s)))
            ot.notify(s, ot.ABN_POSCHANGED, 0)
            ot.notify(s, ot.ABN_FULLSCREENAPP, 0)
            self.assertFalse(ot.is_topmost(s))
            self.assertEqual(ot.bars(s)[0]["rect"], (0, 0, 1024, 32))
            # Closing the bar closes the program, which saves its settings on the way.
            s.driver_ok("post", ot.BAR_CLASS, "WM_CLOSE", 0, 0)
            self.assertEqual(s.wait_exit(), 0)
            self.assertEqual(saved_on_top(s), "0")
            self.assertEqual(ot.free_top(s), 0)

    def test_clicks_and_colour_changes_leak_nothing(self):
        with fe.Session(ini=ini(BackColor=5, OnTop=1), test_build=True) as s:
            s.wait_started()
            # Only the bar's own painting may draw the string from here on.
            lc.hold_still(s)
            self.assertTrue(s.wait_for(lambda: ot.bar_is_painted(s.capture(), DARK_BLUE, 32)))
            gdi = s.test_hook(fe.HOOK_LIVE_GDI_OBJECTS)
            # A double click fills the bar anew, as does every system settings change.
            s.driver_ok("send", ot.BAR_CLASS, "WM_LBUTTONDBLCLK", 0, 0, 300)
            s.driver_ok("send", fe.MAIN_CLASS, "WM_SETTINGCHANGE", 0, 0, 300)
            self.assertEqual(s.test_hook(fe.HOOK_LIVE_GDI_OBJECTS), gdi)
            self.assertTrue(s.wait_for(lambda: ot.bar_is_painted(s.capture(), DARK_BLUE, 32)),
                            "the bar lost its colour or its string")

            # The file changes and is read again without being applied (as the
            # options dialog's Cancel does): the bar keeps its colour, also through
            # a right click (which opens no menu), until a double click fills it anew.
            settings = s.read_ini()
            settings["Settings"]["BackColor"] = "6"
            with open(s.ini_path, "w", encoding="latin-1", newline="") as f:
                f.write(fe.format_ini(settings))
            self.assertEqual(s.test_hook(ot.HOOK_RELOAD_SETTINGS), 1)
            s.xdotool("mousemove", 112, 20, "click", 3)
            self.assertIsNone(s.wait_for(s.menu_items, timeout=2), "the bar opened a menu")
            self.assertTrue(ot.bar_is_painted(s.capture(), DARK_BLUE, 32))
            s.xdotool("mousemove", 48, 20, "click", "--repeat", 2, "--delay", 60, 1)
            self.assertTrue(s.wait_for(lambda: ot.bar_is_painted(s.capture(), (0, 0, 255), 32)),
                            "a double click did not repaint the bar")
            self.assertEqual(s.test_hook(fe.HOOK_LIVE_GDI_OBJECTS), gdi)
            self.assertEqual(len(ot.bars(s)), 1)
            self.assertEqual(s.close(), 0)

    def test_switching_own_window_off_and_on(self):
        with fe.Session(ini=ini(OwnWindow=0, BackColor=5, OnTop=1), test_build=True) as s:
            s.wait_started()
            self.assertEqual(ot.bars(s), [])
            self.assertEqual(ot.free_top(s), 0)

            self.assertEqual(s.test_hook(ot.HOOK_SET_OWN_WINDOW, 1), 1)
            self.assertEqual([(b["rect"], b["visible"]) for b in ot.bars(s)],
                             [((0, 0, 1024, 32), True)])
            self.assertTrue(ot.is_topmost(s))
            self.assertEqual(ot.free_top(s), 32)
            self.assertTrue(s.wait_for(lambda: ot.bar_is_painted(s.capture(), DARK_BLUE, 32)),
                            "a bar switched on at run time lacks its BackColor")

            self.assertEqual(s.test_hook(ot.HOOK_SET_OWN_WINDOW, 0), 0)
            self.assertEqual(ot.bars(s), [])
            self.assertEqual(ot.free_top(s), 0, "the strip is still reserved")

            def back_on_desktop():
                image = s.capture()
                bg = lc.background(image)
                top = lc.strip(image)
                return (top.count_unlike(DARK_BLUE) == top.width * top.height
                        and all(lc.has_bulb(image, i, bg) == (i % 2 == 0) for i in range(32)))

            self.assertTrue(s.wait_for(back_on_desktop), "the bulbs did not return to the desktop")

            gdi = s.test_hook(fe.HOOK_LIVE_GDI_OBJECTS)
            for _ in range(15):
                s.test_hook(ot.HOOK_SET_OWN_WINDOW, 1)
                s.test_hook(ot.HOOK_SET_OWN_WINDOW, 0)
            self.assertEqual(s.test_hook(fe.HOOK_LIVE_GDI_OBJECTS), gdi)
            self.assertEqual(s.test_hook(ot.HOOK_SET_OWN_WINDOW, 1), 1)
            self.assertEqual(len(ot.bars(s)), 1)
            self.assertEqual(ot.free_top(s), 32)
            self.assertEqual(s.close(), 0)


if __name__ == "__main__":
    unittest.main(verbosity=2)
