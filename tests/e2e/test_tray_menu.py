"""A right click on the tray icon opens the six-item menu at the cursor; a click
elsewhere dismisses it and the program runs on."""

import unittest

import festoon_e2e as fe

TRAY_POINT = (1014, 758)  # the first tray icon on a 1024x768 desktop
EXPECTED = [
    (1000, "enabled", "&About Festoon..."),
    (1001, "enabled", "&Options..."),
    (None, "separator", ""),
    (1009, "enabled", "Show Calendar Events..."),
    (None, "separator", ""),
    (1003, "enabled", "&Remove Lights"),
]


class TrayMenu(unittest.TestCase):
    def test_right_click_shows_the_menu(self):
        with fe.Session(ini={"Settings": fe.QUIET_SETTINGS}) as session:
            # The main window exists before the icon is added; start-up is over once
            # the string has taken a step.
            session.wait_started()
            session.xdotool("mousemove", *TRAY_POINT, "click", 3)
            items = session.wait_for(session.menu_items, timeout=10)
            self.assertIsNotNone(items, "no popup menu opened")
            # Separators carry no command, so their ids are not compared.
            seen = [(None if i["state"] == "separator" else i["id"], i["state"], i["text"])
                    for i in items]
            self.assertEqual(seen, EXPECTED)

            # Opened at the cursor: shifted to stay on screen, but touching the point.
            left = min(i["rect"][0] for i in items)
            right = max(i["rect"][2] for i in items)
            top = min(i["rect"][1] for i in items)
            bottom = max(i["rect"][3] for i in items)
            self.assertTrue(left <= TRAY_POINT[0] <= right, (left, right))
            self.assertLessEqual(abs(bottom - TRAY_POINT[1]), 24, (top, bottom))

            session.xdotool("mousemove", 500, 400, "click", 1)
            closed = session.wait_for(lambda: session.menu_items() is None, timeout=10)
            self.assertTrue(closed, "the menu stayed open")
            self.assertIsNone(session.exit_code)
            self.assertEqual(session.close(), 0)


if __name__ == "__main__":
    unittest.main(verbosity=2)
