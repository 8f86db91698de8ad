"""With OwnWindow on, the bulbs hang in a strip of the program's own: the window
(0, 0, 1024, 32), topmost as OnTop says, filled with the BackColor colour between
the bulbs, holding its strip with the shell (a new bar on the top edge is offered
the space below it) and giving the strip back when the program ends."""

import unittest

import festoon_e2e as fe
import lights_common as lc
import owntaskbar_common as ot


class Strip(unittest.TestCase):
    def test_the_bar_its_place_colour_and_bulbs(self):
        cases = [  # OnTop, BackColor, NoFlicker, colour between the bulbs (None: desktop's)
            (1, 5, 0, (0, 0, 127)),
            (0, 1, 1, (0, 0, 0)),
            (1, 0, 0, None),
            (1, 99, 0, None),  # no colour of its own
        ]
        for on_top, back_color, no_flicker, colour in cases:
            with self.subTest(OnTop=on_top, BackColor=back_color, NoFlicker=no_flicker), \
                    fe.Session(ini=ot.ini(OnTop=on_top, BackColor=back_color,
                                          NoFlicker=no_flicker)) as s:
                s.wait_started()
                keeper = ot.keep_desktop(s)
                self.assertEqual([(b["rect"], b["visible"]) for b in ot.bars(s)],
                                 [((0, 0, 1024, 32), True)])
                self.assertEqual(ot.is_topmost(s), bool(on_top))
                self.assertEqual(ot.free_top(s), 32, "the strip is not reserved")
                image = s.wait_for(lambda: ot.painted(s.capture(), colour))
                self.assertIsNotNone(image, "the bar does not show its colour and wire")
                want = colour or lc.background(image)
                for i in range(32):  # NotSoMany: bulbs at even positions, bare wire between
                    self.assertEqual(lc.has_bulb(image, i, want), i % 2 == 0, "position %d" % i)
                below = image.crop(0, 32, image.width, 8)
                self.assertEqual(below.count_unlike(lc.background(image)), 0)
                self.assertEqual(s.close(), 0)
                self.assertEqual(ot.free_top(s), 0, "the strip is still reserved after exit")
                keeper.kill()
                keeper.wait()


if __name__ == "__main__":
    unittest.main(verbosity=2)
