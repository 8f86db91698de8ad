"""Zoom effects: with Zoom on, a dialog opens after its outline has grown from the
cursor for about a second, and once it has, the screen is pixel for pixel what it
was before, apart from the dialog; the about box also zooms shut and leaves the
whole screen as it found it. The effects sleep between frames: they cost the
program little processor time. With Zoom off nothing animates."""

import os
import time
import unittest

import festoon_e2e as fe
import options_common as oc

TICKS = os.sysconf("SC_CLK_TCK")


def cpu_seconds(pid):
    with open("/proc/%d/stat" % pid) as f:
        fields = f.read().rsplit(")", 1)[1].split()
    return (int(fields[11]) + int(fields[12])) / TICKS


def differences(a, b, outside=None):
    """Pixels that differ, ignoring those inside the rectangle `outside`."""
    count = 0
    for y in range(a.height):
        row = y * a.width * 3
        if a.rgb[row:row + a.width * 3] == b.rgb[row:row + a.width * 3]:
            continue
        for x in range(a.width):
            if outside and outside[0] <= x < outside[2] and outside[1] <= y < outside[3]:
                continue
            i = row + x * 3
            if a.rgb[i:i + 3] != b.rgb[i:i + 3]:
                count += 1
    return count


def timed_open(session, command, title):
    start = time.monotonic()
    session.post_command(command)
    oc.wait_dialog(session, title)
    return time.monotonic() - start


class Zoom(unittest.TestCase):
    def test_zoom_leaves_the_screen_as_it_was(self):
        # Steady lights, so the string does not change between captures.
        with fe.Session(ini=oc.settings(Zoom=1, Mode=0, Color=2, BulbType=0)) as session:
            session.wait_started()
            program = session.program.pid
            session.xdotool("mousemove", 120, 600)
            time.sleep(1)
            before = session.capture()

            with self.subTest("options: opening zoom"):
                elapsed = timed_open(session, oc.CMD_OPTIONS, oc.OPTIONS)
                self.assertGreater(elapsed, 0.85, "no zoom ran before the dialog showed")
                dialog = [w for w in session.windows() if w["title"] == oc.OPTIONS][0]
                time.sleep(0.5)
                self.assertEqual(differences(before, session.capture(), dialog["rect"]), 0)
                oc.click(session, 2)
                self.assertTrue(oc.wait_gone(session))

            with self.subTest("the desktop under the closed dialog is repainted"):
                time.sleep(1)
                self.assertEqual(differences(before, session.capture()), 0)

            with self.subTest("about: opening and closing zoom"):
                before = session.capture()
                cpu = cpu_seconds(program)
                start = time.monotonic()
                zoomed = timed_open(session, oc.CMD_ABOUT, "About Festoon...")
                self.assertGreater(zoomed, 0.85)
                oc.click(session, 1, "About Festoon...")
                self.assertTrue(oc.wait_gone(session, "About Festoon..."))
                wall = time.monotonic() - start
                used = cpu_seconds(program) - cpu
                self.assertGreater(wall, 1.9, "the closing zoom did not run")
                # Spinning on the clock would cost about the two seconds in full.
                self.assertLess(used, 0.6, "%.2f s of CPU in %.2f s of zooming" % (used, wall))
                time.sleep(1)
                after = session.capture()
                self.assertEqual(differences(before, after), 0)

            with self.subTest("Zoom off: no animation"):
                session.post_command(1006)  # toggle Zoom
                self.assertTrue(session.wait_for(lambda: oc.saved(session, "Zoom") == "0"))
                plain = timed_open(session, oc.CMD_ABOUT, "About Festoon...")
                self.assertGreater(zoomed - plain, 0.4, (zoomed, plain))
                start = time.monotonic()
                oc.click(session, 1, "About Festoon...")
                self.assertTrue(oc.wait_gone(session, "About Festoon..."))
                self.assertLess(time.monotonic() - start, wall - 0.4)
            self.assertEqual(session.close(), 0)


if __name__ == "__main__":
    unittest.main(verbosity=2)
