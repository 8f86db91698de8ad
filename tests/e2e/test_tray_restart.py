"""When the shell restarts it forgets every tray icon and broadcasts
"TaskbarCreated"; Festoon then puts its icon back, so the user can still reach it."""

import unittest

import festoon_e2e as fe

# The first tray icon's corner of a 1024x768 desktop, with some slack around it.
REGION = (990, 746, 34, 22)


class TrayRestart(unittest.TestCase):
    def test_icon_comes_back_after_taskbar_created(self):
        with fe.Session(ini={"Settings": fe.QUIET_SETTINGS}, start=False) as s:
            s.start_desktop()
            empty = s.capture().crop(*REGION).rgb
            s.start_program()
            s.wait_started()

            def tray():
                return s.capture().crop(*REGION).rgb

            self.assertTrue(s.wait_for(lambda: tray() != empty, timeout=10), "no tray icon")
            s.driver_ok("tray-delete", fe.MAIN_CLASS, 4762)
            self.assertTrue(s.wait_for(lambda: tray() == empty, timeout=10),
                            "the icon did not go away")
            s.driver_ok("send-registered", fe.MAIN_CLASS, "TaskbarCreated", 0, 0)
            self.assertTrue(s.wait_for(lambda: tray() != empty, timeout=10),
                            "the icon was not added again")
            self.assertEqual(s.close(), 0)


if __name__ == "__main__":
    unittest.main()
