"""The options dialog as a user first meets it: the tray icon's left button opens
it, a second request only raises it, and every control of the dialog is there
with its id, kind and text, the lists holding their items in order."""

import os
import unittest

import festoon_e2e as fe
import options_common as oc

# (id, window class, text after opening). Texts are word for word; 158, 151 and
# 200 show what initialisation puts there.
EXPECTED_CONTROLS = [
    (101, "Button", "None"), (102, "Button", "Random"), (103, "Button", "All Together"),
    (104, "Button", "Chase"), (105, "Button", "Alternating"), (106, "Button", "Some Flash"),
    (140, "ComboBox", ""),
    (135, "Button", "Burnt Out"), (136, "Button", "Broken"), (137, "Button", "Missing"),
    (1008, "Button", "Change Bulbs"),
    (146, "Button", "&Play Music"), (149, "ListBox", ""),
    (173, "Static", "Playing:"),  # the music player fills in the piece
    (400, "Button", ""), (158, "Static", "ON"),
    (150, "msctls_trackbar32", ""), (151, "Static", "Medium"), (161, "Static", ""),
    (174, "Button", "Idle Process"), (148, "ComboBox", ""),
    (163, "Button", "Startup Options"), (10, "Button", "Draw in own Taskbar"),
    (11, "Button", "Prevent Flicker"), (155, "ComboBox", ""),
    (153, "Button", "Enable"), (166, "Button", "Setup"), (154, "Button", "Test"),
    (147, "Button", "&More Lights"), (159, "Button", "&Zoom F/X"),
    (160, "Button", "&Sound F/X"), (170, "Button", "Flash &LEDs"),
    (1021, "Button", "Calendar"), (200, "Static", "2.21"),
    (9, "Button", "&Help"), (3, "Button", "&Quit"), (1, "Button", "OK"),
    (2, "Button", "Cancel"), (156, "Button", "&Apply"),
]
GROUPS = ["&Flashing Mode:", "&Bulbs:", "Music:", "Power:", "Flash &Rate:", "&Color:",
          "Screen Saver:", "Misc:"]

STYLES = ["Random", "Normal", "Round", "Cactus", "Snow Flakes", "Bells", "Fish",
          "Candy Canes", "Hearts", "U.S. Flag", "Star of David", "Easter Eggs", "Pumpkin",
          "Smiley Face", "Shamrock", "Lanterns", "Hot Peppers", "Small Bulbs", "Transparent",
          "XMas Trees", "Stockings", "Holly", "Snowman", "Stars", "Mittens", "Umbrellas"]
COLORS = ["LightRandom:Random", "Light10:Purple", "Light11:Blue", "Light12:Red",
          "Light13:Green", "Light14:Yellow", "Light15:Indigo", "Light16:White",
          "RedGreen:Red & Green", "MultiColor:MultiColor", "TheBlues:Blues"]
SAVERS = ["Falling Snow", "Warp Drive", "Exploding Fireworks", "Curves!", "Caterpillar",
          "Blank Screen", "Sparks!"]
LONG_NAME = "A tune whose name is much longer than thirty-one characters.mid"
MIDI_FILES = {"zebra.mid": b"MThd", "Alpha.MID": b"MThd", LONG_NAME: b"MThd",
              "notes.txt": b"not music"}


class OptionsControls(unittest.TestCase):
    def test_tray_click_opens_one_dialog_with_every_control(self):
        ini = oc.settings(BulbType=4, Color=2, SSType=3, Mode=3, Rate=2, Music=1)
        ini["Music"] = {"NumEntries": "2", "MIDI1": LONG_NAME, "MIDI2": "zebra.mid"}
        with fe.Session(ini=ini, files=MIDI_FILES) as session:
            os.mkdir(os.path.join(session.folder, "folder.mid"))  # not a file: not listed
            session.wait_started()
            session.xdotool("mousemove", *oc.TRAY_POINT, "click", 1)
            found = oc.wait_dialog(session)

            with self.subTest("a second request raises the open dialog"):
                session.post_command(oc.CMD_OPTIONS)
                session.xdotool("mousemove", *oc.TRAY_POINT, "click", 1)
                session.wait_for(lambda: False, timeout=1.5)
                self.assertEqual(oc.dialog_count(session, oc.OPTIONS), 1)

            by_id = {}
            for c in found:
                by_id.setdefault(c["id"], c)
            for ident, cls, text in EXPECTED_CONTROLS:
                with self.subTest(control=ident):
                    self.assertIn(ident, by_id)
                    self.assertEqual((by_id[ident]["cls"], by_id[ident]["text"]), (cls, text))
            groups = [c["text"] for c in found if c["id"] == -1 and c["cls"] == "Button"]
            self.assertEqual(sorted(groups), sorted(GROUPS))
            self.assertIn("Type:", [c["text"] for c in found if c["id"] == -1])
            self.assertFalse(by_id[10]["enabled"], "Draw in own Taskbar must stay disabled")
            self.assertFalse(by_id[156]["enabled"], "Apply starts disabled")
            self.assertEqual(by_id[104]["check"], 1)
            self.assertFalse(by_id[152]["visible"])

            with self.subTest("lists"):
                self.assertEqual(oc.list_items(session, 140), (5, [(i == 5, t) for i, t in
                                                                  enumerate(STYLES)]))
                self.assertEqual(oc.list_items(session, 148), (3, [(i == 3, t) for i, t in
                                                                  enumerate(COLORS)]))
                self.assertEqual(oc.list_items(session, 155), (3, [(i == 3, t) for i, t in
                                                                  enumerate(SAVERS)]))
                # Sorted without regard to case; a play-list name longer than 31
                # characters is still found and selected.
                _, music = oc.list_items(session, 149)
                self.assertEqual(music, [(True, LONG_NAME), (False, "Alpha.MID"),
                                         (False, "xmastune.mid"), (True, "zebra.mid")])

            with self.subTest("a style other than Random and Normal disables Broken"):
                self.assertFalse(by_id[136]["enabled"])
                self.assertFalse(by_id[1008]["enabled"])
                oc.select(session, 140, 0)  # Random: both come back, unchecked
                self.assertTrue(session.wait_for(lambda: oc.control(session, 1008)["enabled"]))
                self.assertTrue(oc.control(session, 136)["enabled"])
                self.assertEqual(oc.control(session, 1008)["check"], 0)
                self.assertTrue(oc.control(session, 156)["enabled"], "a change enables Apply")
                oc.select(session, 140, 1)  # Normal: Broken stays, Change Bulbs goes
                self.assertTrue(session.wait_for(
                    lambda: not oc.control(session, 1008)["enabled"]))
                self.assertTrue(oc.control(session, 136)["enabled"])

            oc.click(session, 2)
            self.assertTrue(oc.wait_gone(session))
            self.assertEqual(session.close(), 0)


if __name__ == "__main__":
    unittest.main(verbosity=2)
