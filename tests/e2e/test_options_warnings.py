"""The two notices: OK with the power off shows the power warning, once per OK,
until its box is ticked; Apply never shows it. The no-MIDI notice at start-up
(there is no MIDI device under this Wine) comes back at every start until its
box is ticked, and then stays away."""

import unittest

import festoon_e2e as fe
import options_common as oc

WARNING = fe.MAIN_TITLE  # the power warning's caption
NO_MIDI = "No MIDI Playback Device Detected"
NO_MIDI_TEXT = ("This system is not equipped to play MIDI files.  Therefore, background "
                "music will be disabled.")
POWER_TEXT = ("You have turned off the power for the lights.  Until the power is turned on "
              "again, the lights will not flash, music will not play and the screen saver "
              "will not be active.")


def texts(session, dialog):
    return [c["text"] for c in oc.controls(session, dialog) or []]


class PowerWarning(unittest.TestCase):
    def ok_with_power_off(self, session, expect_warning, tick=False):
        oc.open_options(session)
        if oc.control(session, 158)["text"] == "ON":
            oc.click(session, 400)
            self.assertTrue(oc.wait_text(session, 158, "OFF"))
        oc.click(session, 1)
        if not expect_warning:
            self.assertTrue(oc.wait_gone(session))
            self.assertEqual(oc.dialog_count(session, WARNING), 0)
            return
        oc.wait_dialog(session, WARNING)
        self.assertEqual(oc.dialog_count(session, WARNING), 1)
        shown = texts(session, WARNING)
        self.assertIn("* * * WARNING * * *", shown)
        self.assertIn(POWER_TEXT, shown)
        self.assertIn("Do not show this warning in the future", shown)
        self.assertEqual(oc.control(session, 164, WARNING)["check"], 0)
        if tick:
            oc.click(session, 164, WARNING)
            self.assertTrue(oc.wait_check(session, 164, 1, WARNING))
        oc.click(session, 1, WARNING)
        self.assertTrue(oc.wait_gone(session, WARNING))
        self.assertTrue(oc.wait_gone(session))

    def test_power_warning_until_ticked(self):
        with fe.Session(ini=oc.settings(Power=1, WarnPower=1)) as session:
            session.wait_started()
            with self.subTest("Apply with the power off shows nothing"):
                oc.open_options(session)
                oc.click(session, 400)
                self.assertTrue(oc.wait_text(session, 158, "OFF"))
                oc.click(session, 156)
                self.assertTrue(session.wait_for(lambda: oc.saved(session, "Power") == "0"))
                session.wait_for(lambda: False, timeout=1)
                self.assertEqual(oc.dialog_count(session, WARNING), 0)
                oc.click(session, 2)
                self.assertTrue(oc.wait_gone(session))
            with self.subTest("OK shows it; closed unticked it stays on"):
                self.ok_with_power_off(session, expect_warning=True)
                self.assertEqual(oc.saved(session, "WarnPower"), "1")
            with self.subTest("ticked, it is saved off"):
                self.ok_with_power_off(session, expect_warning=True, tick=True)
                self.assertEqual(oc.saved(session, "WarnPower"), "0")
            with self.subTest("and it stays away"):
                self.ok_with_power_off(session, expect_warning=False)
            self.assertEqual(session.close(), 0)
            self.assertEqual(oc.saved(session, "Power"), "0")


class NoMidiNotice(unittest.TestCase):
    def test_notice_until_ticked(self):
        ini = {"Settings": {"StartOptions": "0", "WarnMusic": "1", "Zoom": "0"}}
        with fe.Session(ini=ini) as session:
            for start, tick, shows in ((1, False, True), (2, True, True), (3, False, False)):
                with self.subTest(start=start):
                    if start > 1:
                        session.start_program()
                    if shows:
                        oc.wait_dialog(session, NO_MIDI)
                        self.assertIn(NO_MIDI_TEXT, texts(session, NO_MIDI))
                        self.assertEqual(oc.control(session, 1007, NO_MIDI)["text"],
                                         "Please do not notify me of this in the future.")
                        self.assertEqual(oc.control(session, 1007, NO_MIDI)["check"], 0)
                        if tick:
                            oc.click(session, 1007, NO_MIDI)
                            self.assertTrue(oc.wait_check(session, 1007, 1, NO_MIDI))
                        oc.click(session, 1, NO_MIDI)
                        self.assertTrue(oc.wait_gone(session, NO_MIDI))
                    session.wait_started()
                    self.assertEqual(oc.dialog_count(session, NO_MIDI), 0)
                    self.assertEqual(oc.saved(session, "WarnMusic"), "0" if start > 1 else "1")
                    self.assertEqual(session.close(), 0)


if __name__ == "__main__":
    unittest.main(verbosity=2)
