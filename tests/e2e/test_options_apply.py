"""What the options dialog's buttons do to the lights and to garland.ini: Apply
writes the file and the lights change on screen; Apply then Cancel keeps what
was applied; Cancel alone brings back the file's values; Quit ends the program
without reading the controls."""

import unittest

import festoon_e2e as fe
import options_common as oc

# Steady lights (mode None, one colour) so that the string only changes when a
# setting does.
START = dict(Mode=0, BulbType=0, Color=2, Rate=2, NotSoMany=1, ScreenSaver=1, SSType=0)
BELLS, FISH = 5, 6  # items of the style list: BulbType 4 and 5


def strip(session):
    return session.capture().crop(0, 0, 1024, 32)


def differing_pixels(a, b):
    return sum(1 for i in range(0, len(a.rgb), 3) if a.rgb[i:i + 3] != b.rgb[i:i + 3])


class OptionsApply(unittest.TestCase):
    def test_apply_then_cancel_keeps_what_was_applied(self):
        with fe.Session(ini=oc.settings(**START)) as session:
            session.wait_started()
            before = strip(session)
            oc.open_options(session)
            oc.select(session, 140, BELLS)
            oc.click(session, 147)  # More Lights
            self.assertTrue(session.wait_for(lambda: oc.control(session, 156)["enabled"]))
            oc.click(session, 156)
            self.assertTrue(session.wait_for(lambda: oc.saved(session, "BulbType") == "4"),
                            "Apply did not write garland.ini")
            self.assertEqual(oc.saved(session, "NotSoMany"), "0")
            self.assertTrue(session.wait_for(lambda: not oc.control(session, 156)["enabled"]),
                            "Apply stays enabled after applying")
            changed = session.wait_for(lambda: differing_pixels(before, strip(session)) > 2000)
            self.assertTrue(changed, "the lights did not change on screen")

            # A further change, then Cancel: the applied values stay, in the file
            # and in the dialog at its next opening.
            oc.select(session, 140, FISH)
            oc.click(session, 101)
            oc.click(session, 2)
            self.assertTrue(oc.wait_gone(session))
            self.assertEqual(oc.saved(session, "BulbType"), "4")
            oc.open_options(session)
            self.assertEqual(oc.list_items(session, 140)[0], BELLS)
            self.assertEqual(oc.control(session, 147)["check"], 1)
            oc.click(session, 2)
            self.assertTrue(oc.wait_gone(session))
            self.assertEqual(session.close(), 0)

    def test_cancel_alone_restores_the_files_values(self):
        with fe.Session(ini=oc.settings(**START)) as session:
            session.wait_started()
            oc.open_options(session)
            oc.select(session, 140, BELLS)
            oc.click(session, 104)  # Chase
            oc.click(session, 400)  # power off
            self.assertTrue(oc.wait_text(session, 158, "OFF"))
            # Setup takes the chosen effect into the settings at once; Cancel
            # must throw that away too.
            oc.select(session, 155, 3)
            oc.click(session, 166)
            session.wait_for(lambda: False, timeout=1)
            for w in session.windows():  # the setup dialog, when there is one
                if w["cls"] == "#32770" and w["title"] != oc.OPTIONS:
                    session.driver_ok("post", w["hwnd"], "WM_COMMAND", 2, 0)
            oc.click(session, 2)
            self.assertTrue(oc.wait_gone(session))
            oc.open_options(session)
            self.assertEqual(oc.list_items(session, 140)[0], 1)
            self.assertEqual(oc.control(session, 101)["check"], 1)
            self.assertEqual(oc.control(session, 158)["text"], "ON")
            self.assertEqual(oc.list_items(session, 155)[0], 0)
            oc.click(session, 2)
            self.assertTrue(oc.wait_gone(session))
            for key, value in START.items():
                self.assertEqual(oc.saved(session, key), str(value), key)
            self.assertEqual(oc.saved(session, "Power"), "1")
            self.assertEqual(session.close(), 0)

    def test_quit_ends_without_saving_the_controls(self):
        with fe.Session(ini=oc.settings(**START)) as session:
            session.wait_started()
            oc.open_options(session)
            oc.select(session, 140, FISH)
            oc.click(session, 105)
            oc.click(session, 3)
            self.assertEqual(session.wait_exit(30), 0)
            for key, value in START.items():
                self.assertEqual(oc.saved(session, key), str(value), key)


if __name__ == "__main__":
    unittest.main(verbosity=2)
