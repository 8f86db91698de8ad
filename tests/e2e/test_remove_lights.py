"""The tray menu's "&Remove Lights" ends the program: exit code 0, the settings
saved on the way out, and no process left behind."""

import os
import unittest

import festoon_e2e as fe

TRAY_POINT = (1014, 758)
# Values other than the defaults, so the saved file shows they came from the program.
SETTINGS = dict(fe.QUIET_SETTINGS, Mode=1, Color=3, Rate=4, BulbType=5, SSDelay=17)


def centre(rect):
    return ((rect[0] + rect[2]) // 2, (rect[1] + rect[3]) // 2)


class RemoveLights(unittest.TestCase):
    def test_remove_lights_saves_and_ends(self):
        with fe.Session(ini={"Settings": SETTINGS}) as session:
            # Gone once start-up has read it for the last time, so that whatever is there
            # after the exit was written by the exit.
            session.wait_started()
            os.remove(session.ini_path)

            session.xdotool("mousemove", *TRAY_POINT, "click", 3)
            items = session.wait_for(session.menu_items, timeout=10)
            self.assertIsNotNone(items, "no popup menu opened")
            remove = [i for i in items if i["text"] == "&Remove Lights"]
            self.assertEqual(len(remove), 1)
            session.xdotool("mousemove", *centre(remove[0]["rect"]), "click", 1)

            self.assertEqual(session.wait_exit(20), 0)
            self.assertEqual(session.wait_for(lambda: not session.festoon_processes(), 5), True)
            saved = session.read_ini().get("Settings", {})
            for key, value in SETTINGS.items():
                with self.subTest(key=key):
                    self.assertEqual(saved.get(key), str(value))
            self.assertIn("CustomEvent10", saved)


if __name__ == "__main__":
    unittest.main(verbosity=2)
