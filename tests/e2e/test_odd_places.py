"""Festoon runs from any folder whose path fits in MAX_PATH, spaces and all, and
keeps garland.ini there; a hostile garland.ini (binary junk, endless lines,
absurd numbers) neither stops nor upsets it, and is written back with values it
can use."""

import os
import unittest

import festoon_e2e as fe
import options_common as oc

RANGES = {"Mode": (0, 5), "Color": (-1, 9), "Rate": (0, 4), "SSType": (0, 6),
          "BulbType": (-1, 26), "Power": (0, 1), "NotSoMany": (0, 1), "SSDelay": (0, 60)}


class OddPlaces(unittest.TestCase):
    def test_long_folder_with_spaces(self):
        # Z:\tmp\festoon-e2e-XXXXXXXX\ + this + \garland.ini stays below 260.
        subdir = os.path.join("Program Files (x86)", "Holiday Lights & Co",
                              "Festoon " + "d" * 120, "v2.21 it's here")
        with fe.Session(ini=None, subdir=subdir) as s:
            windows_path = len("Z:") + len(os.path.join(s.folder, "garland.ini"))
            self.assertGreater(windows_path, 200)
            self.assertLess(windows_path, 260)
            oc.past_the_no_midi_notice(s)
            s.wait_started()
            self.assertEqual(s.close(), 0)
            ini = s.read_ini()
            self.assertEqual(ini["Settings"]["Mode"], "3")
            self.assertEqual(ini["Music"]["MIDI1"], "xmastune.mid")

    def test_hostile_settings_file(self):
        junk = bytes(range(256)) * 4
        text = (b"[Settings]\r\nMode=99999999999999999999\r\nRate=abc\r\nColor=-2147483648\r\n"
                b"BulbType=2147483647\r\nSSDelay=-99999999999\r\nSSMsg=" + b"M" * 5000 + b"\r\n"
                b"CustomEvent1=" + b"N" * 500 + b"#12 25\r\nCustomEvent2=#\r\n"
                b"CustomEvent3=x#\r\nCustomEvent4=###\r\nBackColor=77\r\n"
                b"Power=" + b"9" * 70000 + b"\r\n[Settings\r\n" + junk + b"\r\n"
                b"[Music]\r\nMIDI1=" + b"q" * 3000 + b"\r\nNumEntries=-5\r\n")
        with fe.Session(ini=None, files={"garland.ini": text}) as s:
            oc.past_the_no_midi_notice(s)
            s.wait_started()
            self.assertEqual(s.count_windows(), 1)
            self.assertEqual(s.close(), 0)
            settings = s.read_ini()["Settings"]
            for key, (lo, hi) in RANGES.items():
                value = int(settings[key])
                self.assertTrue(lo <= value <= hi, "%s=%d" % (key, value))
            self.assertLessEqual(len(settings["SSMsg"]), 31)
            for n in range(1, 11):
                value = settings["CustomEvent%d" % n]
                self.assertLessEqual(len(value), 31 + 6, value)
                self.assertIn("#", value)


if __name__ == "__main__":
    unittest.main()
