"""The small dialogs: the about box (its build line, and a second request only
raising it), the help dialog's ten topics, each in its colour on black, and the
background colour dialog storing the chosen swatch."""

import unittest

import festoon_e2e as fe
import options_common as oc

ABOUT = "About Festoon..."
HELP = "Festoon Help"
BACKCOLOR = "Select Background Color"
TOPICS = ["Introduction", "Flashing Mode", "Flash Rate", "Bulbs", "Color", "Music",
          "Screen Saver", "Power", "Misc", "Credits"]
YELLOW, CYAN, MAGENTA, GREEN = (255, 255, 0), (0, 255, 255), (255, 0, 255), (0, 255, 0)
TOPIC_COLOURS = [YELLOW, CYAN, MAGENTA, GREEN] * 2 + [YELLOW, CYAN]


def panel_colours(session):
    """Pixel counts of the text colours in the help panel, which is otherwise black."""
    rect = oc.control(session, 1010, HELP)["rect"]
    image = session.capture().crop(rect[0] + 4, rect[1] + 4, rect[2] - rect[0] - 8,
                                   rect[3] - rect[1] - 8)
    found = {}
    for i in range(0, len(image.rgb), 3):
        pixel = tuple(image.rgb[i:i + 3])
        found[pixel] = found.get(pixel, 0) + 1
    return found


class SmallDialogs(unittest.TestCase):
    def test_about_help_and_background_colour(self):
        with fe.Session(ini=oc.settings(BackColor=0)) as session:
            session.wait_started()
            with self.subTest("about"):
                session.post_command(oc.CMD_ABOUT)
                oc.wait_dialog(session, ABOUT)
                session.post_command(oc.CMD_ABOUT)
                session.wait_for(lambda: False, timeout=1.5)
                self.assertEqual(oc.dialog_count(session, ABOUT), 1)
                texts = [c["text"] for c in oc.controls(session, ABOUT)]
                self.assertIn("v2.21", texts)
                self.assertIn("Happy Holidays!", texts)
                self.assertEqual(oc.control(session, 201, ABOUT)["text"], "Build Date: 961121")
                oc.click(session, 1, ABOUT)
                self.assertTrue(oc.wait_gone(session, ABOUT))

            with self.subTest("help"):
                oc.open_options(session)
                oc.click(session, 9)
                oc.wait_dialog(session, HELP)
                current, items = oc.list_items(session, 1009, HELP)
                self.assertEqual(current, 0)
                self.assertEqual([t for _, t in items], TOPICS)
                for topic, colour in enumerate(TOPIC_COLOURS):
                    with self.subTest(topic=TOPICS[topic]):
                        if topic:
                            oc.select(session, 1009, topic, HELP)
                        shown = session.wait_for(
                            lambda: panel_colours(session).get(colour, 0) > 200, timeout=10)
                        self.assertTrue(shown, "no text in the topic's colour")
                        found = panel_colours(session)
                        others = [c for c in (YELLOW, CYAN, MAGENTA, GREEN) if c != colour]
                        self.assertEqual([found.get(c, 0) for c in others], [0, 0, 0])
                        self.assertGreater(found.get((0, 0, 0), 0), sum(found.values()) // 2)
                oc.click(session, 1, HELP)
                self.assertTrue(oc.wait_gone(session, HELP))
                oc.click(session, 2)
                self.assertTrue(oc.wait_gone(session))

            with self.subTest("background colour"):
                # (radio pressed, swatch chosen, button, BackColor saved)
                cases = [(102, 4, 1, "5"), (101, None, 2, "5"), (101, None, 1, "0"),
                         (102, 0, 1, "1")]
                for radio, swatch, button, stored in cases:
                    session.post_command(oc.CMD_BACKCOLOR)
                    oc.wait_dialog(session, BACKCOLOR)
                    oc.click(session, radio, BACKCOLOR)
                    if swatch is not None:
                        oc.select(session, 103, swatch, BACKCOLOR)
                    self.assertTrue(oc.wait_check(session, radio, 1, BACKCOLOR))
                    oc.click(session, button, BACKCOLOR)
                    self.assertTrue(oc.wait_gone(session, BACKCOLOR))
                    self.assertTrue(session.wait_for(
                        lambda: oc.saved(session, "BackColor") == stored, timeout=5),
                        (radio, swatch, button, oc.saved(session, "BackColor")))
                session.post_command(oc.CMD_BACKCOLOR)
                oc.wait_dialog(session, BACKCOLOR)
                self.assertEqual(oc.control(session, 102, BACKCOLOR)["check"], 1)
                self.assertEqual(oc.list_items(session, 103, BACKCOLOR)[0], 0)
                oc.click(session, 2, BACKCOLOR)
                self.assertTrue(oc.wait_gone(session, BACKCOLOR))
            self.assertEqual(session.close(), 0)


if __name__ == "__main__":
    unittest.main(verbosity=2)
