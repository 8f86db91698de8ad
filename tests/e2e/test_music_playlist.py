"""Background music under Wine, which has no MIDI device here. The test build
pretends to have one and writes each MCI command it sends to mci-commands.log:
start-up opens the next entry of the play list through the real MCI by its
short path, a missing file is passed over, only a successful end moves the list
on, and Current carries the place over to the next run. The shipped build
starts no music."""

import os
import re
import unittest

import festoon_e2e as fe

MM_MCINOTIFY = 953
LONG_NAME = "Jingle Bells for the Whole Holiday Season.mid"  # blanks, over 31 characters
SETTINGS = dict(fe.QUIET_SETTINGS, Music=1)
PLAY_LIST = {"NumEntries": "3", "MIDI1": LONG_NAME, "MIDI2": "gone away.mid",
             "MIDI3": "xmastune.mid"}
SHORT_PATH = re.compile(r"^[A-Z]:(\\[^\\ ]{1,8}(\.[^\\ .]{1,3})?)+$", re.I)


def tune():
    with open(os.path.join(fe.win_build_dir(), "xmastune.mid"), "rb") as f:
        return f.read()


def commands(session):
    """(result, callback window, command) of each command sent so far."""
    path = os.path.join(session.folder, "mci-commands.log")
    if not os.path.isfile(path):
        return []
    with open(path, encoding="latin-1") as f:
        return [tuple(line.rstrip("\n").split("\t", 2)) for line in f]


def current(session):
    return session.read_ini().get("Music", {}).get("Current")


class MusicPlayList(unittest.TestCase):
    def check_opened(self, sent, path_end, alias, hwnd):
        result, callback, command = sent[0]
        self.assertEqual((result, callback), ("0", str(hwnd)), command)  # MCI opened it
        match = re.fullmatch(r"open sequencer!(\S+) alias " + alias, command)
        self.assertIsNotNone(match, command)
        self.assertRegex(match.group(1), SHORT_PATH)
        self.assertTrue(match.group(1).lower().endswith(path_end), command)
        self.assertEqual(sent[1], ("0", str(hwnd), "play %s from 0 notify" % alias))

    def test_play_list_runs_and_resumes(self):
        ini = {"Settings": SETTINGS, "Music": PLAY_LIST}
        with fe.Session(ini=ini, files={LONG_NAME: tune()}, test_build=True) as s:
            hwnd = s.wait_main_window()
            s.wait_started()
            self.assertEqual(s.wait_for(lambda: current(s) == "1"), True)
            sent = commands(s)
            self.assertEqual(len(sent), 2, sent)
            self.check_opened(sent, ".mid", "music2", hwnd)
            first_path = sent[0][2].split()[1]

            # An aborted piece is not followed; the successful end of one is, past the
            # missing second entry.
            s.driver_ok("post", fe.MAIN_CLASS, MM_MCINOTIFY, 4, 0)
            s.driver_ok("post", fe.MAIN_CLASS, MM_MCINOTIFY, 1, 0)
            self.assertEqual(s.wait_for(lambda: current(s) == "3"), True)
            sent = commands(s)
            self.assertEqual([c[1:] for c in sent[2:4]], [("0", "stop music2"), ("0", "close music2")])
            self.assertEqual(len(sent), 6, sent)
            self.check_opened(sent[4:], "\\xmastune.mid", "music3", hwnd)

            self.assertEqual(s.close(), 0)
            self.assertEqual([c[1:] for c in commands(s)[6:]],
                             [("0", "stop music3"), ("0", "close music3")])

            # The next run goes on after entry 3, with entry 1, by the same short path.
            s.start_program()
            hwnd = s.wait_main_window()
            s.wait_started()
            self.assertEqual(s.wait_for(lambda: current(s) == "1"), True)
            sent = commands(s)[8:]
            self.check_opened(sent, ".mid", "music2", hwnd)
            self.assertEqual(sent[0][2].split()[1], first_path)
            self.assertEqual(s.close(), 0)

    def test_junk_play_list_ends_quietly(self):
        junk = {"NumEntries": "99999999999", "Current": "-7", "MIDI1": "q" * 3000, "MIDI2": ""}
        with fe.Session(ini={"Settings": SETTINGS, "Music": junk}, test_build=True) as s:
            s.wait_started()
            self.assertEqual(s.wait_for(lambda: current(s) == "1000"), True)
            self.assertEqual(commands(s), [])
            self.assertEqual(s.close(), 0)

    def test_shipped_build_plays_nothing(self):
        ini = {"Settings": SETTINGS, "Music": PLAY_LIST}
        with fe.Session(ini=ini, files={LONG_NAME: tune()}) as s:
            s.wait_started()
            self.assertEqual(s.close(), 0)
            self.assertIsNone(current(s))  # the list never moved
            self.assertEqual(commands(s), [])


if __name__ == "__main__":
    unittest.main(verbosity=2)
