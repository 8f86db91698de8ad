"""On a 1024x768 desktop the string has 32 positions at x = 0, 32, ..., 992 along
the top of the work area: with NotSoMany a bulb at even positions and bare wire at
odd ones, without it a bulb at every position; the wire runs the whole width."""

import unittest

import festoon_e2e as fe
import lights_common as lc


class Layout(unittest.TestCase):
    def check_layout(self, not_so_many):
        ini = lc.settings(Mode=0, Color=3, BulbType=0, NotSoMany=not_so_many)
        with fe.Session(ini=ini) as s:
            s.wait_started()
            image = s.capture()
            bg = lc.background(image)
            self.assertEqual(image.width // lc.CELL, 32)
            for i in range(32):
                self.assertTrue(lc.has_wire(image, i, bg), "no wire at position %d" % i)
                expect_bulb = not_so_many == 0 or i % 2 == 0
                self.assertEqual(lc.has_bulb(image, i, bg), expect_bulb,
                                 "position %d (x = %d)" % (i, 32 * i))
            # Nothing is drawn below the 32-pixel strip.
            below = image.crop(0, lc.CELL, image.width, 40)
            self.assertEqual(below.count_unlike(bg), 0)
            self.assertEqual(s.close(), 0)

    def test_every_second_position_by_default(self):
        self.check_layout(1)

    def test_more_lights_fills_every_position(self):
        self.check_layout(0)

    def test_a_4k_screen_is_covered_to_its_right_edge(self):
        # 120 positions: well past the 80 records older code had room for.
        ini = lc.settings(Mode=0, Color=8, NotSoMany=0)
        with fe.Session(ini=ini, desktop=(3840, 400)) as s:
            s.wait_started()
            image = s.capture()
            bg = lc.background(image)
            self.assertEqual(image.width, 3840)
            for i in range(120):
                self.assertTrue(lc.has_bulb(image, i, bg), "position %d" % i)
            self.assertEqual(s.close(), 0)

    def test_bulbs_vanish_when_the_program_ends(self):
        with fe.Session(ini=lc.settings(Mode=0, NotSoMany=0)) as s:
            s.wait_started()
            # Something else keeps the desktop open after Festoon is gone.
            keeper = s.desktop.start([fe.driver_path(), "wait", "NoSuchWindowClass", 60000],
                                     cwd=s.folder)
            try:
                image = s.capture()
                bg = lc.background(image)
                self.assertGreater(lc.strip(image).count_unlike(bg), 1000)
                self.assertEqual(s.close(), 0)
                wiped = s.wait_for(lambda: lc.strip(s.capture()).count_unlike(bg) == 0, timeout=5)
                self.assertTrue(wiped, "bulbs left on the desktop after exit")
            finally:
                keeper.kill()
                keeper.wait()


if __name__ == "__main__":
    unittest.main()
