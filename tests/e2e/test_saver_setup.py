"""The screen saver setup dialog, typed into as a user would: a delay of 0, 61,
letters or -5 is refused with the message and the dialog stays open; "  7x" is
taken as 7; a 40-character message is kept as its first 31; Cancel changes
nothing. The test build opens the dialog (the options dialog's Setup button does
in the program)."""

import time
import unittest

import festoon_e2e as fe
import saver_common as sc

TITLE = "Festoon v2.21 Screen Saver Setup"
REFUSAL = "Timeout must be between 1 and 60 minutes."
FORTY = "Happy Holidays from all of us at Festoon"
FIELDS_TO_MESSAGE = 5  # Tab presses from the delay to the message field


class SetupDialog(unittest.TestCase):
    def open_dialog(self, s):
        sc.hook(s, sc.HOOK_OPEN_SETUP)
        self.assertTrue(s.wait_for(lambda: s.driver("find", "#32770", TITLE).ok),
                        "the setup dialog did not open")
        time.sleep(0.3)

    def replace_field(self, s, text):
        s.xdotool("key", "End", *(["BackSpace"] * 8))
        if text:
            s.xdotool("type", "--delay", "30", "--", text)

    def message_box_text(self, s):
        box = s.wait_for(lambda: s.driver("find", "#32770", fe.MAIN_TITLE))
        if not box.ok:
            return None
        lines = s.driver_ok("children", box.stdout.split()[0]).splitlines()
        return [line.split("\t")[2] for line in lines if "\tStatic\t" in line]

    def test_refuses_out_of_range_and_keeps_the_first_31_characters(self):
        ini = sc.settings(SSDelay=5, SSMouseMove=1, SSMouseClick=0, SSLogo=1)
        with fe.Session(ini=ini, test_build=True) as s:
            s.wait_started()
            self.open_dialog(s)
            for text in ["0", "61", "abc", "-5", ""]:
                with self.subTest(delay=text):
                    self.replace_field(s, text)
                    s.xdotool("key", "Return")
                    self.assertIn(REFUSAL, self.message_box_text(s) or [])
                    s.driver_ok("press-button", fe.MAIN_TITLE, "OK")
                    s.wait_for(lambda: not s.driver("find", "#32770", fe.MAIN_TITLE).ok)
                    self.assertTrue(s.driver("find", "#32770", TITLE).ok, "the dialog closed")
            self.replace_field(s, "  7x")
            s.xdotool("key", *(["Tab"] * FIELDS_TO_MESSAGE))
            s.xdotool("type", "--delay", "20", FORTY)
            s.xdotool("key", "Return")
            self.assertTrue(s.wait_for(lambda: not s.driver("find", "#32770", TITLE).ok),
                            "OK did not close the dialog")
            # Cancel after changes keeps what OK stored.
            self.open_dialog(s)
            self.replace_field(s, "30")
            s.xdotool("key", "Escape")
            self.assertTrue(s.wait_for(lambda: not s.driver("find", "#32770", TITLE).ok))
            self.assertEqual(s.close(), 0)
            stored = s.read_ini()["Settings"]
            self.assertEqual(stored["SSDelay"], "7")
            self.assertEqual(stored["SSMsg"], FORTY[:31])
            self.assertEqual((stored["SSMouseMove"], stored["SSMouseClick"], stored["SSLogo"]),
                             ("1", "0", "1"))

    def test_accepts_sixty(self):
        with fe.Session(ini=sc.settings(SSDelay=0), test_build=True) as s:
            s.wait_started()
            self.open_dialog(s)
            self.replace_field(s, "60")
            s.xdotool("key", "Return")
            self.assertTrue(s.wait_for(lambda: not s.driver("find", "#32770", TITLE).ok))
            self.assertEqual(s.close(), 0)
            self.assertEqual(s.read_ini()["Settings"]["SSDelay"], "60")


if __name__ == "__main__":
    unittest.main()
