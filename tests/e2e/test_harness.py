"""Checks of the harness itself, so a failing Festoon test can be trusted to be about
Festoon: the driver's screen capture matches the X server's pixels, its answers for
missing windows and bad arguments are what the module relies on, the profile file
reader reads what Wine writes, and winerun passes a program's exit code on."""

import os
import subprocess
import sys
import unittest

import festoon_e2e as fe

WINERUN = os.path.join(os.path.dirname(os.path.abspath(__file__)), "winerun.py")


class DriverOnTheDesktop(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.session = fe.Session(ini={"Settings": fe.QUIET_SETTINGS}).__enter__()

    @classmethod
    def tearDownClass(cls):
        cls.session.__exit__(None, None, None)

    def test_driver_capture_matches_the_x_screen(self):
        # Both while nothing flashes on the strip the test compares: the taskbar.
        width, height = fe.DEFAULT_DESKTOP
        self.session.driver_ok("capture", "shot.bmp", 0, height - 20, width, 20)
        driver = fe.Image.from_bmp(os.path.join(self.session.folder, "shot.bmp"))
        screen = self.session.capture().crop(0, height - 20, width, 20)
        self.assertEqual((driver.width, driver.height), (width, 20))
        self.assertGreater(len(screen.colors()), 2, "the taskbar strip is blank")
        self.assertEqual(driver.rgb, screen.rgb)

    def test_missing_windows_and_bad_arguments(self):
        cases = [
            (("find", "NoSuchClass"), 1),
            (("count", "NoSuchClass"), 0),
            (("wait", "NoSuchClass", "200"), 1),
            (("wait-gone", "NoSuchClass", "200"), 0),
            (("post", "NoSuchClass", "WM_CLOSE", "0", "0"), 1),
            (("post", fe.MAIN_CLASS, "NOT_A_MESSAGE", "0", "0"), 2),
            (("menu-items",), 1),
            (("no-such-command",), 2),
            (("find", fe.MAIN_CLASS, "Not the title"), 1),
            (("find", fe.MAIN_CLASS, fe.MAIN_TITLE), 0),
        ]
        for args, expected in cases:
            with self.subTest(args=args):
                self.assertEqual(self.session.driver(*args).returncode, expected)
        self.assertEqual(self.session.driver_ok("count", "NoSuchClass").strip(), "0")


class ProfileText(unittest.TestCase):
    def test_reads_what_wine_writes(self):
        text = "[Music]\r\nMIDI1=xmastune.mid\r\n[Settings]\r\nSSMsg=\r\nCustomEvent1=A=B#01 02\r\n"
        self.assertEqual(fe.parse_ini(text), {
            "Music": {"MIDI1": "xmastune.mid"},
            "Settings": {"SSMsg": "", "CustomEvent1": "A=B#01 02"},
        })

    def test_format_reads_back(self):
        sections = {"Settings": {"Mode": "9", "SSMsg": "Merry"}, "Music": {"NumEntries": "1"}}
        self.assertEqual(fe.parse_ini(fe.format_ini(sections)), sections)


class WineRun(unittest.TestCase):
    def test_exit_code_and_output_pass_through(self):
        driver = fe.driver_path()
        cases = [(["count", "NoSuchClass"], 0, "0"), (["find", "NoSuchClass"], 1, "")]
        for args, code, output in cases:
            with self.subTest(args=args):
                done = subprocess.run([sys.executable, WINERUN, "--", driver] + args,
                                      capture_output=True, text=True, timeout=120)
                self.assertEqual(done.returncode, code, done.stderr)
                self.assertEqual(done.stdout.strip(), output)
        self.assertEqual(fe.program_processes(fe.shared_prefix(), "festoon_driver"), [])


if __name__ == "__main__":
    unittest.main(verbosity=2)
