"""Music under Wine, which has no MIDI device here. The test build pretends to have
one and writes each MCI command to mci-commands.log (result, callback window,
command): start-up opens the next entry through the real MCI by its short path, a
missing file is passed over, only a successful end moves on, and Current carries
the place to the next run. The shipped build starts no music."""

import os
import re
import unittest

import festoon_e2e as fe

NAME = "Jingle Bells for the Whole Holiday Season.mid"  # blanks, over 31 characters
SETTINGS = dict(fe.QUIET_SETTINGS, Music=1)
LIST = {"NumEntries": "3", "MIDI1": NAME, "MIDI2": "gone away.mid", "MIDI3": "xmastune.mid"}
SHORT_PATH = r"[A-Z]:(\\[^\\ ]{1,8}(\.[^\\ .]{1,3})?)+"


def session(music, **kw):
    with open(os.path.join(fe.win_build_dir(), "xmastune.mid"), "rb") as f:
        return fe.Session(ini={"Settings": SETTINGS, "Music": music}, files={NAME: f.read()}, **kw)


def log(s):
    path = os.path.join(s.folder, "mci-commands.log")
    with open(path) if os.path.isfile(path) else open(os.devnull) as f:
        return [tuple(line.rstrip("\n").split("\t")) for line in f]


def current(s):
    return s.read_ini()["Music"].get("Current")


class MusicPlayList(unittest.TestCase):
    def assert_plays(self, s, entry, alias, path_end, first):
        hwnd = str(s.wait_main_window())
        self.assertEqual(s.wait_for(lambda: current(s) == entry), True)
        sent = log(s)[first:]
        self.assertRegex(sent[0][2], r"^open sequencer!%s alias %s$" % (SHORT_PATH, alias))
        self.assertTrue(sent[0][2].split()[1].lower().endswith(path_end), sent[0])
        self.assertEqual(sent[:2], [("0", hwnd, sent[0][2]),  # MCI opened the file
                                    ("0", hwnd, "play %s from 0 notify" % alias)])

    def test_play_list_runs_and_resumes(self):
        with session(LIST, test_build=True) as s:
            s.wait_started()
            self.assert_plays(s, "1", "music2", ".mid", 0)
            s.driver_ok("post", fe.MAIN_CLASS, 953, 4, 0)  # MM_MCINOTIFY, aborted: no effect
            s.driver_ok("post", fe.MAIN_CLASS, 953, 1, 0)  # successful: on to entry 3
            self.assertEqual(s.wait_for(lambda: current(s) == "3"), True)
            self.assertEqual(log(s)[2:4], [("0", "0", "stop music2"), ("0", "0", "close music2")])
            self.assert_plays(s, "3", "music3", "\\xmastune.mid", 4)
            self.assertEqual(s.close(), 0)
            self.assertEqual(log(s)[6:], [("0", "0", "stop music3"), ("0", "0", "close music3")])

            s.start_program()  # the next run goes on with entry 1, as music2 again
            s.wait_started()
            self.assert_plays(s, "1", "music2", ".mid", 8)
            self.assertEqual(log(s)[8][2], log(s)[0][2])
            self.assertEqual(s.close(), 0)

    def test_junk_play_list_ends_quietly(self):
        junk = {"NumEntries": "99999999999", "Current": "-7", "MIDI1": "q" * 3000, "MIDI2": ""}
        with session(junk, test_build=True) as s:
            s.wait_started()
            self.assertEqual(s.wait_for(lambda: current(s) == "1000"), True)
            self.assertEqual(s.close(), 0)
            self.assertEqual(log(s), [])

    def test_shipped_build_plays_nothing(self):
        with session(LIST) as s:
            s.wait_started()
            self.assertEqual(s.close(), 0)
            self.assertIsNone(current(s))  # the list never moved
            self.assertEqual(log(s), [])


if __name__ == "__main__":
    unittest.main(verbosity=2)
