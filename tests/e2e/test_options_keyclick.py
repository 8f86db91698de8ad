"""The key click: while "Sound F/X" is on, pressing a button or check box of the
options dialog starts the "Keyclick" sound once (OK, Apply, Cancel and Quit too,
once each), "Prevent Flicker" and the lists stay silent, and with the sound off
nothing plays. Read through the test build, which counts the sounds started."""

import time
import unittest

import festoon_e2e as fe
import options_common as oc

PROBE = "FestoonOptionsProbe"


def clicks(session):
    dialog = [w for w in session.windows() if w["title"] == oc.OPTIONS][0]
    return int(session.driver_ok("send-registered", dialog["hwnd"], PROBE, 0, 0).strip())


class KeyClick(unittest.TestCase):
    def press_and_count(self, session, action, expected):
        """Sounds started by one press; waits for the expected ones, then a little
        longer for any that should not come."""
        before = clicks(session)
        action()
        session.wait_for(lambda: clicks(session) - before >= expected, timeout=10)
        time.sleep(0.7)
        return clicks(session) - before

    def test_clicks_while_sound_is_on(self):
        with fe.Session(ini=oc.settings(Sound=1, BulbType=0), test_build=True) as session:
            session.wait_started()
            oc.open_options(session)
            # (what is pressed, sounds expected)
            cases = [
                ("Burnt Out", lambda: oc.click(session, 135), 1),
                ("Chase", lambda: oc.click(session, 104), 1),
                ("power switch", lambda: oc.click(session, 400), 1),
                ("Prevent Flicker", lambda: oc.click(session, 11), 0),
                ("bulb list", lambda: oc.select(session, 140, 0), 0),
                ("Apply", lambda: oc.click(session, 156), 1),
                ("Sound F/X off", lambda: oc.click(session, 160), 1),
            ]
            for name, action, expected in cases:
                with self.subTest(name):
                    self.assertEqual(self.press_and_count(session, action, expected), expected)
            # Applied with the box unticked: from now on nothing sounds.
            oc.click(session, 156)
            self.assertTrue(session.wait_for(lambda: oc.saved(session, "Sound") == "0"))
            for name, ident in (("Burnt Out", 135), ("Apply", 156), ("Missing", 137)):
                with self.subTest(name + ", sound off"):
                    press = lambda: oc.click(session, ident)  # noqa: E731
                    self.assertEqual(self.press_and_count(session, press, 0), 0)
            oc.click(session, 2)
            self.assertTrue(oc.wait_gone(session))
            self.assertEqual(session.close(), 0)


if __name__ == "__main__":
    unittest.main(verbosity=2)
