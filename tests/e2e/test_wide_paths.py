"""Festoon keeps its settings in a folder whose name lies outside the system's ANSI
code page (Chinese characters on a Western system): garland.ini is read and written
there, and stays an ANSI text file with the user's own lines kept. A folder whose path
passes the system's limit is said once, in the program's message box."""

import os
import unittest

import festoon_e2e as fe
import options_common as oc

CHINESE = "\u8282\u65e5\u5f69\u706f"  # "holiday lights"
MESSAGE_BOX = "#32770"


class WidePaths(unittest.TestCase):
    def test_folder_outside_the_ansi_code_page(self):
        text = (b"; my own notes\r\n[Mine]\r\nkeep=this line\r\n[Settings]\r\n"
                b"StartOptions=0\r\nWarnMusic=0\r\nMusic=0\r\nMode=9\r\nSSMsg=Caf\xe9 No\xebl\r\n")
        with fe.Session(ini=None, files={"garland.ini": text},
                        subdir=os.path.join(CHINESE, "Festoon " + CHINESE)) as s:
            s.wait_started()
            self.assertEqual(s.close(), 0)
            with open(s.ini_path, "rb") as f:
                data = f.read()
        # Read (Mode 9 clamps to 5) and written back, as ANSI text, not UTF-16.
        self.assertFalse(data.startswith(b"\xff\xfe"), data[:40])
        self.assertNotIn(b"\x00", data)
        self.assertTrue(data.startswith(b"; my own notes\r\n[Mine]\r\nkeep=this line\r\n"), data[:60])
        ini = fe.parse_ini(data.decode("latin-1"))
        self.assertEqual(ini["Settings"]["Mode"], "5")
        self.assertEqual(ini["Settings"]["SSMsg"], "Caf\xe9 No\xebl")
        self.assertEqual(ini["Settings"]["Rate"], "2")
        self.assertEqual(ini["Mine"], {"keep": "this line"})

    def test_music_plays_from_a_folder_outside_the_ansi_code_page(self):
        # The test build pretends to have a MIDI device and logs each MCI command.
        with open(os.path.join(fe.win_build_dir(), "xmastune.mid"), "rb") as f:
            tune = f.read()
        ini = {"Settings": dict(fe.QUIET_SETTINGS, Music=1),
               "Music": {"NumEntries": "1", "MIDI1": "carol.mid"}}
        with fe.Session(ini=ini, files={"carol.mid": tune}, test_build=True,
                        subdir=os.path.join(CHINESE, "Festoon " + CHINESE)) as s:
            s.wait_started()
            log = os.path.join(s.folder, "mci-commands.log")
            self.assertTrue(s.wait_for(lambda: os.path.isfile(log)), "no MCI command was sent")
            with open(log) as f:
                result, _, command = f.readline().rstrip("\n").split("\t")
            self.assertEqual(s.close(), 0)
        self.assertRegex(command, r"(?i)^open sequencer!\S+\\carol\.mid alias music2$")
        self.assertEqual(result, "0", command)

    def test_path_past_the_limit_is_said_once(self):
        subdir = os.path.join(*["Festoon lights %02d %s" % (n, "x" * 40) for n in range(5)])
        with fe.Session(ini={"Settings": fe.QUIET_SETTINGS}, subdir=subdir) as s:
            self.assertGreater(len("Z:") + len(os.path.join(s.folder, "garland.ini")), 260)
            box = s.driver("wait", MESSAGE_BOX, 30000, timeout=40)
            self.assertTrue(box.ok, "no message box")
            self.assertEqual(self.box_title(s), fe.MAIN_TITLE)
            s.driver_ok("press-button", fe.MAIN_TITLE, "OK")
            # Running on defaults, which warn of the missing MIDI device.
            oc.past_the_no_midi_notice(s)
            s.wait_started()
            # Defaults open the options dialog too; Cancel reads the file again.
            oc.wait_dialog(s)
            oc.click(s, 2)
            oc.wait_gone(s)
            # Saving at start and at the end reach the same limit: nothing more is said,
            # so the close sequence runs through to the end.
            titles = [w["title"] for w in s.windows() if w["cls"] == MESSAGE_BOX]
            self.assertNotIn(fe.MAIN_TITLE, titles)
            self.assertEqual(s.close(), 0)
            self.assertNotIn("Mode", s.read_ini()["Settings"], "the file was reached after all")

    @staticmethod
    def box_title(s):
        titles = [w["title"] for w in s.windows() if w["cls"] == MESSAGE_BOX]
        return titles[0] if titles else None


if __name__ == "__main__":
    unittest.main(verbosity=2)
