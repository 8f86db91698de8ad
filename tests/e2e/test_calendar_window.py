"""The calendar window: today's counts on a white text area, its six-entry menu,
"&Close Calendar" and the tray menu's way back, its size limits, and the place it
remembers from one run to the next (and mends when that place is off the screen)."""

import datetime
import unittest

import calendar_common as cal
import festoon_e2e as fe

MENU = [
    (1009, "enabled", "Configure Events..."),
    (None, "separator", ""),
    (1001, "enabled", "Options..."),
    (None, "separator", ""),
    (1000, "enabled", "About..."),
    (2, "enabled", "&Close Calendar"),
]
MIN_SIZE, MAX_SIZE = (200, 80), (280, 320)
WORK_AREA = (0, 0, 1024, 748)  # the desktop less Wine's taskbar


def shown_window(session):
    window = session.wait_for(
        lambda: (lambda w: w if w and w["visible"] else None)(
            cal.window_of(session, cal.WINDOW_TITLE)))
    if not window:
        raise fe.E2EError("the calendar window did not show")
    return window


def text_control(session, window):
    """Screen rectangle of the text control."""
    return tuple(int(v) for v in cal.item_state(session, window["hwnd"], cal.TEXT_ID)[3:7])


def drag(session, start, end):
    session.xdotool("mousemove", *start, "mousedown", 1)
    session.xdotool("mousemove", (start[0] + end[0]) // 2, (start[1] + end[1]) // 2)
    session.xdotool("mousemove", *end)
    session.xdotool("mouseup", 1)


def size_of(rect):
    return rect[2] - rect[0], rect[3] - rect[1]


def rect_after_drag(session, window, start, end):
    """Drags from start to end; the window once its rectangle has changed and settled."""
    drag(session, start, end)
    last = [window["rect"]]

    def settled():
        now = cal.window_of(session, cal.WINDOW_TITLE)
        if now["rect"] != window["rect"] and now["rect"] == last[0]:
            return now
        last[0] = now["rect"]
        return None

    moved = session.wait_for(settled, timeout=10, interval=0.3)
    if not moved:
        raise fe.E2EError("the window did not follow the drag from %s to %s" % (start, end))
    return moved


class CalendarWindow(unittest.TestCase):
    def assertNearLimit(self, size, limit):
        # Wine's interactive sizing stops the mouse one pixel inside the largest
        # size; the program's limit is what the window must not pass.
        for got, want in zip(size, limit):
            self.assertLessEqual(abs(got - want), 1, (size, limit))

    def check_text(self, session, hwnd, flags, events):
        # The expected text comes from the real date; a run across midnight may see either.
        before = datetime.date.today()
        shown = cal.item_text(session, hwnd, cal.TEXT_ID)
        after = datetime.date.today()
        self.assertIn(shown, {cal.calendar_text(before, flags, events),
                              cal.calendar_text(after, flags, events)})
        return shown

    def test_counts_menu_limits_and_remembered_place(self):
        today = datetime.date.today()
        soon = today + datetime.timedelta(days=40)
        flags = [1, 0, 1, 0, 0]
        events = [("Birthday", soon.month, soon.day), ("Party", today.month, today.day)]
        ini = cal.settings_with(ShowEvents=1, Calendar1=1, Calendar3=1,
                                CustomEvent1=cal.stored_event(*events[0]),
                                CustomEvent4=cal.stored_event(*events[1]))
        with fe.Session(ini=ini) as session:
            session.wait_started()
            window = shown_window(session)
            self.check_text(session, window["hwnd"], flags, events)

            with self.subTest("the text area is white"):
                left, top, right, bottom = text_control(session, window)
                screen = session.capture()
                self.assertEqual(screen.pixel(right - 6, bottom - 6), (255, 255, 255))
                self.assertEqual(screen.pixel((left + right) // 2, bottom - 6), (255, 255, 255))

            with self.subTest("context menu"):
                items = cal.open_context_menu(session, window)
                seen = [(None if i["state"] == "separator" else i["id"], i["state"], i["text"])
                        for i in items]
                self.assertEqual(seen, MENU)
                session.xdotool("key", "Escape")
                self.assertTrue(session.wait_for(lambda: session.menu_items() is None))

            # Tracking limits: the bottom right corner dragged far out, then far in.
            inner = text_control(session, window)
            margins = tuple(abs(a - b) for a, b in zip(inner, window["rect"]))
            corner = (window["rect"][2] - 2, window["rect"][3] - 2)
            window = rect_after_drag(session, window, corner, (900, 700))
            self.assertNearLimit(size_of(window["rect"]), MAX_SIZE)
            corner = (window["rect"][2] - 2, window["rect"][3] - 2)
            window = rect_after_drag(session, window, corner, (window["rect"][0] + 20,
                                                               window["rect"][1] + 20))
            self.assertNearLimit(size_of(window["rect"]), MIN_SIZE)
            # The text keeps filling the window, 2 pixels in from the client area.
            inner = text_control(session, window)
            self.assertEqual(tuple(abs(a - b) for a, b in zip(inner, window["rect"])), margins)

            # A middling size, then moved by its caption.
            corner = (window["rect"][2] - 2, window["rect"][3] - 2)
            window = rect_after_drag(session, window, corner, (corner[0] + 40, corner[1] + 100))
            caption = (window["rect"][0] + 40, window["rect"][1] + 8)
            window = rect_after_drag(session, window, caption, (caption[0] + 350,
                                                                caption[1] + 260))
            placed = window["rect"]
            self.assertEqual(size_of(placed), (240, 180))

            self.assertEqual(session.close(), 0)
            stored = session.read_ini()["Settings"]
            self.assertEqual(tuple(int(stored["EventNotify." + k])
                                   for k in ("left", "top", "right", "bottom")), placed)

            # The next run opens it at the same place.
            session.start_desktop()
            session.start_program()
            session.wait_started()
            window = shown_window(session)
            self.assertEqual(window["rect"], placed)
            self.check_text(session, window["hwnd"], flags, events)
            self.assertEqual(session.close(), 0)

    def test_close_calendar_hides_and_the_tray_menu_shows_it_again(self):
        ini = cal.settings_with(ShowEvents=1, Calendar2=1, **{
            "EventNotify.left": 300, "EventNotify.top": 200,
            "EventNotify.right": 520, "EventNotify.bottom": 400})
        with fe.Session(ini=ini) as session:
            session.wait_started()
            window = shown_window(session)
            self.assertEqual(window["rect"], (300, 200, 520, 400))

            # Moved while open, then closed: the next show puts it back where the
            # settings file had it.
            caption = (window["rect"][0] + 40, window["rect"][1] + 8)
            rect_after_drag(session, window, caption, (caption[0] + 100, caption[1] + 100))
            cal.choose(session, cal.open_context_menu(session, cal.window_of(
                session, cal.WINDOW_TITLE)), "&Close Calendar")
            hidden = session.wait_for(
                lambda: not cal.window_of(session, cal.WINDOW_TITLE)["visible"])
            self.assertTrue(hidden, "the window stayed visible")

            session.xdotool("mousemove", *cal.TRAY_POINT, "click", 3)
            items = session.wait_for(session.menu_items, timeout=10)
            self.assertIsNotNone(items, "no tray menu opened")
            cal.choose(session, items, "Show Calendar Events...")
            window = shown_window(session)
            self.assertEqual(window["rect"], (300, 200, 520, 400))
            self.check_text(session, window["hwnd"], [0, 1, 0, 0, 0], [])

            # The caption's close button also only hides it.
            session.driver_ok("post", window["hwnd"], "WM_CLOSE", 0, 0)
            self.assertTrue(session.wait_for(
                lambda: not cal.window_of(session, cal.WINDOW_TITLE)["visible"]))
            self.assertIsNone(session.exit_code)
            self.assertEqual(session.close(), 0)

    def test_hidden_at_start_without_show_events_and_placement_still_saved(self):
        with fe.Session(ini=cal.settings_with(ShowEvents=0)) as session:
            session.wait_started()
            window = cal.window_of(session, cal.WINDOW_TITLE)
            self.assertIsNotNone(window, "no calendar window was created")
            self.assertFalse(window["visible"])
            # Created hidden, it must not have taken the activation from anyone.
            active = int(session.driver_ok("active", window["hwnd"]).split()[1])
            self.assertNotEqual(active, window["hwnd"])
            # Shown on request, in front: nothing is followed.
            session.post_command(1009)
            window = shown_window(session)
            self.assertTrue(session.wait_for(lambda: session.driver_ok(
                "active", window["hwnd"]).split() == [str(window["hwnd"])] * 2))
            self.assertEqual(cal.item_text(session, window["hwnd"], cal.TEXT_ID),
                             "<No calendar events defined>")
            self.assertEqual(session.close(), 0)
            stored = session.read_ini()["Settings"]
            self.assertEqual(tuple(int(stored["EventNotify." + k])
                                   for k in ("left", "top", "right", "bottom")), window["rect"])

    def test_a_rectangle_off_every_monitor_is_moved_onto_the_work_area(self):
        cases = [("far right and below", (3000, 2000, 3230, 2160), (794, 588, 1024, 748)),
                 ("left and above", (-900, -700, -670, -540), (0, 0, 230, 160))]
        for name, stored, expected in cases:
            with self.subTest(name):
                keys = dict(zip(("EventNotify.left", "EventNotify.top", "EventNotify.right",
                                 "EventNotify.bottom"), stored))
                with fe.Session(ini=cal.settings_with(ShowEvents=1, **keys)) as session:
                    session.wait_started()
                    self.assertEqual(shown_window(session)["rect"], expected)
                    self.assertEqual(session.close(), 0)


if __name__ == "__main__":
    unittest.main(verbosity=2)
