"""The play list: with music on, Apply writes the ticked files as MIDI1 ... MIDIn
and NumEntries = n, whole names however long, and the next opening ticks them
again; with nothing ticked it says "No music has been selected, so music will be
turned off." and turns the music off. The test build offers the music controls as
a MIDI device would (this machine has none)."""

import unittest

import festoon_e2e as fe
import options_common as oc

PROBE = "FestoonOptionsProbe"
LONG_NAME = "A tune whose name is much longer than thirty-one characters.mid"
FILES = {LONG_NAME: b"MThd", "bells.mid": b"MThd"}
NO_MUSIC = "No music has been selected, so music will be turned off."


def offer_music(session):
    dialog = [w for w in session.windows() if w["title"] == oc.OPTIONS][0]
    session.driver_ok("send-registered", dialog["hwnd"], PROBE, 1, 0)


def music(session):
    return session.read_ini().get("Music", {})


class PlayList(unittest.TestCase):
    def test_play_list_written_and_read_back(self):
        ini = oc.settings(Music=0)
        ini["Music"] = {"NumEntries": "0"}
        with fe.Session(ini=ini, files=FILES, test_build=True) as session:
            session.wait_started()
            oc.open_options(session)
            offer_music(session)
            self.assertEqual(oc.control(session, 173)["text"], "Playing: <nothing>")
            self.assertFalse(oc.control(session, 149)["enabled"])
            oc.click(session, 146)
            self.assertTrue(session.wait_for(lambda: oc.control(session, 149)["enabled"]))
            _, items = oc.list_items(session, 149)
            names = [t for _, t in items]
            self.assertEqual(names, [LONG_NAME, "bells.mid", "xmastune.mid"])
            oc.select(session, 149, 0)
            oc.select(session, 149, 2)
            oc.click(session, 156)
            self.assertTrue(session.wait_for(lambda: music(session).get("NumEntries") == "2"))
            self.assertEqual((music(session).get("MIDI1"), music(session).get("MIDI2")),
                             (LONG_NAME, "xmastune.mid"))
            # The play list is written before the settings are saved.
            self.assertTrue(session.wait_for(lambda: oc.saved(session, "Music") == "1"))
            oc.click(session, 1)
            self.assertTrue(oc.wait_gone(session))

            with self.subTest("read back whole at the next opening"):
                oc.open_options(session)
                offer_music(session)
                _, items = oc.list_items(session, 149)
                self.assertEqual(items, [(True, LONG_NAME), (False, "bells.mid"),
                                         (True, "xmastune.mid")])
                self.assertEqual(oc.control(session, 146)["check"], 1)

            with self.subTest("nothing ticked turns the music off"):
                oc.select(session, 149, 0)
                oc.select(session, 149, 2)
                oc.click(session, 156)
                box = oc.wait_dialog(session, fe.MAIN_TITLE)
                self.assertIn(NO_MUSIC, [c["text"] for c in box])
                oc.click(session, 1, fe.MAIN_TITLE)  # the box's OK: id 1 as in any dialog
                self.assertTrue(oc.wait_gone(session, fe.MAIN_TITLE))
                self.assertTrue(session.wait_for(lambda: music(session).get("NumEntries") == "0"))
                self.assertEqual(oc.saved(session, "Music"), "0")
                self.assertEqual(oc.control(session, 146)["check"], 0)
                self.assertFalse(oc.control(session, 149)["enabled"])
                # Keys above NumEntries stay, unread.
                self.assertEqual(music(session).get("MIDI1"), LONG_NAME)

            with self.subTest("an overlong now-playing report is cut, not overrun"):
                dialog = [w for w in session.windows() if w["title"] == oc.OPTIONS][0]
                session.driver_ok("send-registered", dialog["hwnd"], PROBE, 2, 0)
                shown = oc.control(session, 173)["text"]
                self.assertTrue(shown.startswith("Playing: xxxx"), shown[:40])
                self.assertLess(len(shown), 400)
            oc.click(session, 2)
            self.assertTrue(oc.wait_gone(session))
            self.assertEqual(session.close(), 0)


if __name__ == "__main__":
    unittest.main(verbosity=2)
