"""The calendar window: today's counts on a white text area, its six-entry menu,
"&Close Calendar" and the tray menu's way back, its size limits, and the place it
remembers from one run to the next (and mends when that place is off the screen)."""

import datetime
import unittest

import calendar_common as cal
import festoon_e2e as fe

MENU = [(1009, "enabled", "Configure Events..."), (None, "separator", ""),
        (1001, "enabled", "Options..."), (None, "separator", ""),
        (1000, "enabled", "About..."), (2, "enabled", "&Close Calendar")]
PLACE_KEYS = ["EventNotify." + k for k in ("left", "top", "right", "bottom")]


def placed(rect):
    return dict(zip(PLACE_KEYS, rect))


def stored_place(session):
    return tuple(int(session.read_ini()["Settings"][k]) for k in PLACE_KEYS)


def inner_rect(session, window):
    return tuple(int(v) for v in cal.item_state(session, window["hwnd"], cal.TEXT_ID)[3:7])


def drag(session, window, start, end):
    """Drags with the mouse; the window once its rectangle has changed and settled."""
    session.xdotool("mousemove", *start, "mousedown", 1)
    session.xdotool("mousemove", (start[0] + end[0]) // 2, (start[1] + end[1]) // 2)
    session.xdotool("mousemove", *end, "mouseup", 1)
    last = [window["rect"]]

    def settled():
        now = cal.window_of(session, cal.WINDOW)
        done = now["rect"] != window["rect"] and now["rect"] == last[0]
        last[0] = now["rect"]
        return now if done else None
    return cal.wait(session, settled, "the window to follow the drag")


def corner(window):
    return window["rect"][2] - 2, window["rect"][3] - 2


def size(window):
    return window["rect"][2] - window["rect"][0], window["rect"][3] - window["rect"][1]


class CalendarWindow(unittest.TestCase):
    def check_text(self, session, window, flags, events):
        # From the real date; a run across midnight may see either day.
        before = datetime.date.today()
        shown = cal.item_text(session, window["hwnd"], cal.TEXT_ID)
        self.assertIn(shown, {cal.calendar_text(day, flags, events)
                              for day in (before, datetime.date.today())})

    def test_counts_menu_limits_and_remembered_place(self):
        today = datetime.date.today()
        soon = today + datetime.timedelta(days=40)
        events = [("Birthday", soon.month, soon.day), ("Party", today.month, today.day)]
        ini = cal.settings_with(ShowEvents=1, Calendar1=1, Calendar3=1,
                                CustomEvent1="Birthday#%02d %02d" % events[0][1:],
                                CustomEvent4="Party#%02d %02d" % events[1][1:])
        with fe.Session(ini=ini) as session:
            session.wait_started()
            window = cal.wait_window(session, cal.WINDOW)
            self.check_text(session, window, [1, 0, 1, 0, 0], events)
            left, top, right, bottom = inner_rect(session, window)
            self.assertEqual(session.capture().pixel(right - 6, bottom - 6), (255, 255, 255))

            items = cal.context_menu(session, window)
            self.assertEqual([(None if i["state"] == "separator" else i["id"], i["state"],
                               i["text"]) for i in items], MENU)
            session.xdotool("key", "Escape")
            cal.wait(session, lambda: session.menu_items() is None, "the menu to close")

            # Sized by its corner beyond both limits; Wine's sizing stops one pixel
            # short of the largest size. The text always fills the client area less 2.
            margins = [a - b for a, b in zip(inner_rect(session, window), window["rect"])]
            window = drag(session, window, corner(window), (900, 700))
            self.assertIn(size(window), {(280, 320), (279, 319)})
            window = drag(session, window, corner(window), (window["rect"][0] + 20, 40))
            self.assertEqual(size(window), (200, 80))
            self.assertEqual([a - b for a, b in zip(inner_rect(session, window),
                                                    window["rect"])], margins)

            # Sized and moved, it opens at the same place in the next run.
            window = drag(session, window, corner(window), (corner(window)[0] + 40,
                                                            corner(window)[1] + 100))
            caption = (window["rect"][0] + 40, window["rect"][1] + 8)
            window = drag(session, window, caption, (caption[0] + 350, caption[1] + 260))
            self.assertEqual(size(window), (240, 180))
            self.assertEqual(session.close(), 0)
            self.assertEqual(stored_place(session), window["rect"])
            session.start_desktop()
            session.start_program()
            session.wait_started()
            self.assertEqual(cal.wait_window(session, cal.WINDOW)["rect"], window["rect"])
            self.assertEqual(session.close(), 0)

    def test_close_calendar_hides_and_the_tray_menu_shows_it_again(self):
        ini = cal.settings_with(ShowEvents=1, Calendar2=1, **placed((300, 200, 520, 400)))
        with fe.Session(ini=ini) as session:
            session.wait_started()
            window = cal.wait_window(session, cal.WINDOW)
            self.assertEqual(window["rect"], (300, 200, 520, 400))
            # Moved while open, it still comes back where the settings file put it.
            caption = (window["rect"][0] + 40, window["rect"][1] + 8)
            window = drag(session, window, caption, (caption[0] + 100, caption[1] + 100))
            cal.choose(session, cal.context_menu(session, window), "&Close Calendar")
            cal.wait_gone(session, cal.WINDOW)

            session.xdotool("mousemove", 1014, 758, "click", 3)  # the tray icon
            cal.choose(session, cal.wait(session, session.menu_items, "the tray menu"),
                       "Show Calendar Events...")
            window = cal.wait_window(session, cal.WINDOW)
            self.assertEqual(window["rect"], (300, 200, 520, 400))
            self.check_text(session, window, [0, 1, 0, 0, 0], [])
            # The caption's close button only hides it too.
            session.driver_ok("post", window["hwnd"], "WM_CLOSE", 0, 0)
            cal.wait_gone(session, cal.WINDOW)
            self.assertEqual(session.close(), 0)

    def test_hidden_at_start_without_show_events_and_placement_still_saved(self):
        with fe.Session(ini=cal.settings_with(ShowEvents=0)) as session:
            session.wait_started()
            window = cal.window_of(session, cal.WINDOW)
            self.assertFalse(window["visible"])
            # Created hidden, it must not have taken the activation from anyone.
            self.assertNotEqual(session.driver_ok("active", window["hwnd"]).split()[1],
                                str(window["hwnd"]))
            session.post_command(1009)
            window = cal.wait_window(session, cal.WINDOW)
            cal.wait(session, lambda: session.driver_ok("active", window["hwnd"]).split()
                     == [str(window["hwnd"])] * 2, "the window to come to the front")
            self.assertEqual(cal.item_text(session, window["hwnd"], cal.TEXT_ID),
                             "<No calendar events defined>")
            self.assertEqual(session.close(), 0)
            self.assertEqual(stored_place(session), window["rect"])

    def test_a_rectangle_off_every_monitor_is_moved_onto_the_work_area(self):
        for stored, expected in (((3000, 2000, 3230, 2160), (794, 588, 1024, 748)),
                                 ((-900, -700, -670, -540), (0, 0, 230, 160))):
            with fe.Session(ini=cal.settings_with(ShowEvents=1, **placed(stored))) as session:
                session.wait_started()
                self.assertEqual(cal.wait_window(session, cal.WINDOW)["rect"], expected)
                self.assertEqual(session.close(), 0)


if __name__ == "__main__":
    unittest.main(verbosity=2)
