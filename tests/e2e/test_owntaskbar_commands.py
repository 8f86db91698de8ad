"""What acts on the own taskbar while the program runs: command 1005 (OnTop toggled
and saved at once), the shell's notices, and closing the bar."""

import unittest

import festoon_e2e as fe
import owntaskbar_common as ot


def saved(session, key):
    return session.read_ini().get("Settings", {}).get(key)


class Commands(unittest.TestCase):
    def test_command_1005_toggles_topmost_and_saves(self):
        cases = [  # OwnWindow, OnTop in the file, OnTop after a first and a second toggle
            (1, 0, 1, 0),
            (1, 7, 0, 1),  # any non-zero value is on: one toggle turns it off
            (0, 1, 0, 1),  # no bar: the setting still toggles and is saved
        ]
        for own_window, start, *after in cases:
            with self.subTest(OwnWindow=own_window, OnTop=start), \
                    fe.Session(ini=ot.ini(OwnWindow=own_window, OnTop=start)) as s:
                s.wait_started()
                for expected in after:
                    s.post_command(ot.CMD_TOGGLE_ON_TOP)
                    self.assertTrue(s.wait_for(lambda: saved(s, "OnTop") == str(expected)))
                    if own_window:
                        self.assertEqual(ot.is_topmost(s), bool(expected))
                self.assertEqual(len(ot.bars(s)), own_window)
                self.assertEqual(s.close(), 0)

    def test_shell_notices_and_closing_the_bar(self):
        with fe.Session(ini=ot.ini(OnTop=1)) as s:
            s.wait_started()
            expected_topmost = [  # notice, lParam -> topmost afterwards
                (ot.ABN_FULLSCREENAPP, 1, False),  # a full-screen program covers the bar
                (ot.ABN_STATECHANGE, 0, False),
                (ot.ABN_POSCHANGED, 0, False),  # still open
                (ot.ABN_FULLSCREENAPP, 0, True),
            ]
            for code, param, topmost in expected_topmost:
                self.assertEqual(ot.notify(s, code, param), 0)
                self.assertEqual(ot.is_topmost(s), topmost, "after notice %d, %d" % (code, param))
            self.assertEqual(ot.free_top(s), 32)
            # With OnTop switched off, a later dock must not make the bar topmost again.
            s.post_command(ot.CMD_TOGGLE_ON_TOP)
            self.assertTrue(s.wait_for(lambda: not ot.is_topmost(s)))
            ot.notify(s, ot.ABN_POSCHANGED, 0)
            self.assertFalse(ot.is_topmost(s))
            self.assertEqual(ot.bars(s)[0]["rect"], (0, 0, 1024, 32))
            # Closing the bar closes the program, which saves its settings on the way.
            s.driver_ok("post", ot.BAR_CLASS, "WM_CLOSE", 0, 0)
            self.assertEqual(s.wait_exit(), 0)
            self.assertEqual(saved(s, "OnTop"), "0")


if __name__ == "__main__":
    unittest.main(verbosity=2)
