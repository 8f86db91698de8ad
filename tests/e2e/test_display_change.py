"""When the screen grows while the program runs (a laptop docked to a larger
monitor), the string is laid out again for the new width: the new right-hand
positions get their bulbs without a restart."""

import unittest

import festoon_e2e as fe
import lights_common as lc


class DisplayChange(unittest.TestCase):
    def test_string_follows_a_wider_screen(self):
        ini = lc.settings(Mode=0, Color=3, BulbType=0, NotSoMany=0)
        with fe.Session(ini=ini, desktop=(1024, 768), screen=(1920, 1080)) as s:
            s.wait_started()
            self.assertEqual(s.driver_ok("display-mode", 1920, 1080).split(), ["0", "1920", "1080"])

            def right_cells_lit():
                image = s.capture()
                bg = lc.background(image)
                return all(lc.has_bulb(image, i, bg) for i in range(32, 60))

            self.assertTrue(s.wait_for(right_cells_lit, timeout=15),
                            "no bulbs at positions 32-59 after the screen grew to 1920")
            image = s.capture()
            bg = lc.background(image)
            for i in range(60):
                self.assertTrue(lc.has_wire(image, i, bg), "no wire at position %d" % i)
            self.assertEqual(s.close(), 0)


if __name__ == "__main__":
    unittest.main(verbosity=2)
