"""What the calendar tests share: the day count worked out here from the real date,
and small steps on the calendar window, its dialogs and their message boxes."""

import datetime

import festoon_e2e as fe

WINDOW, DIALOG, EDITOR = "Festoon Calendar", "Holiday Calendar", "Edit Calendar Event"
TEXT_ID, LIST_ID, STARTUP_BOX, EDIT_BUTTON, DELETE_BUTTON = 1024, 1019, 1026, 1021, 1022
NAME_ID, MONTH_ID, DAY_ID = 1022, 1023, 1024
MESSAGE_TEXT_ID = 0xFFFF  # the text of a message box
EMPTY_SLOT = "#-01 -01"
HOLIDAYS = [("Christmas", 12, 25), ("Halloween", 10, 31), ("St. Patrick's Day", 3, 17),
            ("Valentine's Day", 2, 14), ("4th of July", 7, 4)]


def days_until(today, month, day):
    """Days to the next month/day; a day the month lacks is the day after its end."""
    year = today.year + 1 if (month, day) < (today.month, today.day) else today.year
    return (datetime.date(year, month, 1) + datetime.timedelta(days=day - 1) - today).days


def calendar_text(today, flags, events):
    if not any(flags) and not events:
        return "<No calendar events defined>"
    text = ""
    for flag, (name, month, day) in zip(flags, HOLIDAYS):
        days = days_until(today, month, day)
        if flag:
            text += "%s is TODAY\r\n" % name if days == 0 else "Days until %s = %d\r\n" % (name,
                                                                                           days)
    text += "\r\n"
    for name, month, day in events:
        text += "Days until %s (%d/%d) = %d\r\n" % (name, month, day,
                                                  days_until(today, month, day))
    return text


def settings_with(**values):
    # No zoom: the tests type into the dialogs as soon as they are up.
    return {"Settings": dict(fe.QUIET_SETTINGS, **dict({"Zoom": 0}, **values))}


def window_of(session, title, visible_only=False):
    for window in session.windows(include_hidden=not visible_only):
        if window["cls"] == "#32770" and window["title"] == title:
            return window
    return None


def wait(session, condition, what):
    value = session.wait_for(condition)
    if not value:
        raise fe.E2EError("waited in vain for " + what)
    return value


def wait_window(session, title):
    return wait(session, lambda: window_of(session, title, True), title)


def wait_dialog(session, title):
    return wait_window(session, title)["hwnd"]


def wait_gone(session, title):
    wait(session, lambda: window_of(session, title, True) is None, title + " to close")


def unescape(line):
    return (line.replace("\\\\", "\0").replace("\\t", "\t").replace("\\r", "\r")
            .replace("\\n", "\n").replace("\0", "\\"))


def item_text(session, dialog, ident):
    return unescape(session.driver_ok("item-text", dialog, ident).rstrip("\n"))


def list_items(session, dialog, ident=LIST_ID):
    """(items, selected index) of a list or combo box."""
    lines = session.driver_ok("list-items", dialog, ident).split("\n")
    count, selected = (int(v) for v in lines[0].split())
    return [unescape(line) for line in lines[1:1 + count]], selected


def item_state(session, dialog, ident):
    """[enabled|disabled, checked|unchecked, visible|hidden, left, top, right, bottom]"""
    return session.driver_ok("item-state", dialog, ident).split()


def message_box(session, caption):
    box = wait_dialog(session, caption)
    return box, item_text(session, box, MESSAGE_TEXT_ID)


def answer(session, box, button):
    # A box just shown may not have its buttons yet on a loaded machine.
    wait(session, lambda: session.driver("press-button", box, button).ok, "the box's " + button)
    wait(session, lambda: box not in [w["hwnd"] for w in session.windows()], "the box to close")


def fill_editor(session, editor, name=None, month=None, day=None):
    if name is not None:
        session.driver_ok("set-text", editor, NAME_ID, name)
    for ident, value in ((MONTH_ID, month), (DAY_ID, day)):
        session.driver_ok("select-item", editor, ident, -1 if value is None else value - 1)


def add_event(session, dialog, name, month, day):
    session.driver_ok("press-button", dialog, "Add...")
    editor = wait_dialog(session, EDITOR)
    fill_editor(session, editor, name, month, day)
    session.driver_ok("press-button", editor, "OK")
    wait_gone(session, EDITOR)


def context_menu(session, window):
    """Right click in the middle of a window; the menu's items."""
    left, top, right, bottom = window["rect"]
    session.xdotool("mousemove", (left + right) // 2, (top + bottom) // 2, "click", 3)
    return wait(session, session.menu_items, "a context menu")


def choose(session, items, text):
    """Clicks the menu item with that text, as the user would."""
    left, top, right, bottom = next(i["rect"] for i in items if i["text"] == text)
    session.xdotool("mousemove", (left + right) // 2, (top + bottom) // 2, "click", 1)
    wait(session, lambda: session.menu_items() is None, "the menu to close")
