"""The program's "trayIcon" appears in the taskbar's tray when it starts: the pixels
there match the icon drawn from the exe's own resources."""

import os
import unittest

import festoon_e2e as fe

# Where the first tray icon sits on a 1024x768 desktop, with some slack.
SEARCH_X = range(996, 1009)
SEARCH_Y = range(746, 753)
SIZE = 16


def differing(icon, screen, x0, y0):
    return sum(1 for y in range(SIZE) for x in range(SIZE)
               if icon.pixel(x, y) != screen.pixel(x0 + x, y0 + y))


class TrayIcon(unittest.TestCase):
    def test_tray_shows_the_program_icon(self):
        with fe.Session(ini={"Settings": fe.QUIET_SETTINGS}, start=False) as session:
            session.start_desktop()
            before = session.capture()
            session.start_program()
            region = (SEARCH_X[0], SEARCH_Y[0], SEARCH_X[-1] + SIZE - SEARCH_X[0],
                      SEARCH_Y[-1] + SIZE - SEARCH_Y[0])
            baseline = before.crop(*region).rgb
            changed = session.wait_for(
                lambda: session.capture().crop(*region).rgb != baseline, timeout=10)
            self.assertTrue(changed, "nothing was drawn in the tray")
            screen = session.capture()

            # The tray shrinks the 32x32 image of the icon handle it is given; a 16x16
            # image loaded for the purpose is as good. Either must appear exactly.
            background = before.pixel(SEARCH_X[0], SEARCH_Y[0] + 8)
            best = None
            for load_size in (32, 16):
                bmp = "tray%d.bmp" % load_size
                session.driver_ok("render-icon", "festoon.exe", "trayIcon", SIZE, *background,
                                  bmp, load_size)
                icon = fe.Image.from_bmp(os.path.join(session.folder, bmp))
                self.assertGreater(len(icon.colors()), 2, "the rendered icon is blank")
                for y0 in SEARCH_Y:
                    for x0 in SEARCH_X:
                        count = differing(icon, screen, x0, y0)
                        if best is None or count < best[0]:
                            best = (count, load_size, x0, y0)
            self.assertEqual(best[0], 0, "closest match %r" % (best,))
            self.assertEqual(session.close(), 0)


if __name__ == "__main__":
    unittest.main(verbosity=2)
