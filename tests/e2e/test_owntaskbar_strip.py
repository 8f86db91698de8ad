"""With OwnWindow on, the bulbs hang in a strip of the program's own: the window
(0, 0, 1024, 32) at the top of the screen, topmost when OnTop is on, filled with the
BackColor colour that shows between the bulbs, holding its strip with the shell
(a new bar on the top edge is offered the space below it) and gone, strip and
all, when the program ends."""

import unittest

import festoon_e2e as fe
import lights_common as lc
import owntaskbar_common as ot

CELLS = 32  # positions across a 1024-pixel screen


def ini(**values):
    return lc.settings(Mode=0, Color=3, BulbType=0, NotSoMany=1, OwnWindow=1, **values)


class Strip(unittest.TestCase):
    def test_the_bar_its_place_colour_and_bulbs(self):
        cases = [
            # OnTop, BackColor, NoFlicker, colour between the bulbs (None: desktop's)
            (1, 5, 0, (0, 0, 127)),
            (0, 1, 1, (0, 0, 0)),
            (1, 0, 0, None),
            (1, 99, 0, None),  # no colour of its own: the desktop's
        ]
        for on_top, back_color, no_flicker, colour in cases:
            with self.subTest(OnTop=on_top, BackColor=back_color, NoFlicker=no_flicker):
                with fe.Session(ini=ini(OnTop=on_top, BackColor=back_color,
                                        NoFlicker=no_flicker)) as s:
                    s.wait_started()
                    found = s.wait_for(lambda: [b for b in ot.bars(s) if b["visible"]])
                    self.assertEqual(len(ot.bars(s)), 1)
                    self.assertEqual(found[0]["rect"], (0, 0, 1024, 32))
                    self.assertEqual(ot.is_topmost(s), bool(on_top))
                    self.assertEqual(ot.free_top(s), 32, "the strip is not reserved")

                    def painted():
                        image = s.capture()
                        want = colour or lc.background(image)
                        return image if ot.bar_is_painted(image, want, CELLS) else None

                    image = s.wait_for(painted)
                    self.assertIsNotNone(image, "the bar does not show its colour and wire")
                    want = colour or lc.background(image)
                    for i in range(CELLS):
                        self.assertEqual(lc.has_bulb(image, i, want), i % 2 == 0,
                                         "position %d" % i)
                    # The desktop begins right below the strip.
                    below = image.crop(0, 32, image.width, 8)
                    self.assertEqual(below.count_unlike(lc.background(image)), 0)
                    self.assertEqual(s.close(), 0)

    def test_the_strip_is_given_back_at_exit(self):
        with fe.Session(ini=ini(BackColor=6, OnTop=1)) as s:
            s.wait_started()
            # Something else keeps the desktop open after Festoon is gone.
            keeper = s.desktop.start([fe.driver_path(), "wait", "NoSuchWindowClass", 60000],
                                     cwd=s.folder)
            try:
                self.assertTrue(s.wait_for(lambda: ot.bar_is_painted(s.capture(), (0, 0, 255),
                                                                     CELLS)))
                self.assertEqual(ot.free_top(s), 32)
                self.assertEqual(s.close(), 0)
                self.assertEqual(s.count_windows(ot.BAR_CLASS), 0)
                self.assertEqual(ot.free_top(s), 0, "the strip is still reserved")

                def wiped():
                    image = s.capture()
                    return lc.strip(image).count_unlike(lc.background(image)) == 0

                self.assertTrue(s.wait_for(wiped, timeout=10), "bar or bulbs left on screen")
            finally:
                keeper.kill()
                keeper.wait()


if __name__ == "__main__":
    unittest.main(verbosity=2)
