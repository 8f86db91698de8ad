"""What the calendar tests share: the day count worked out here from the real date,
and small steps on the calendar window, its dialogs and their message boxes."""

import datetime

import festoon_e2e as fe

WINDOW_TITLE = "Festoon Calendar"
DIALOG_TITLE = "Holiday Calendar"
EDITOR_TITLE = "Edit Calendar Event"
DIALOG_CLASS = "#32770"
TEXT_ID = 1024
LIST_ID = 1019
NAME_ID, MONTH_ID, DAY_ID = 1022, 1023, 1024
HOLIDAY_BOXES = [1013, 1014, 1015, 1016, 1017]
STARTUP_BOX = 1026
EDIT_BUTTON, DELETE_BUTTON = 1021, 1022
EMPTY_SLOT = "#-01 -01"
TRAY_POINT = (1014, 758)  # the first tray icon on a 1024x768 desktop

HOLIDAYS = [("Christmas", 12, 25), ("Halloween", 10, 31), ("St. Patrick's Day", 3, 17),
            ("Valentine's Day", 2, 14), ("4th of July", 7, 4)]


def days_until(today, month, day):
    """Days to the next month/day; a day the month lacks is the day after its end."""
    passed = (month, day) < (today.month, today.day)
    year = today.year + 1 if passed else today.year
    target = datetime.date(year, month, 1) + datetime.timedelta(days=day - 1)
    return (target - today).days


def calendar_text(today, flags, events):
    """The text the window shows: flags for the five holidays, events as (name, m, d)."""
    if not any(flags) and not events:
        return "<No calendar events defined>"
    text = ""
    for flag, (name, month, day) in zip(flags, HOLIDAYS):
        if flag:
            days = days_until(today, month, day)
            text += ("%s is TODAY\r\n" % name if days == 0
                     else "Days until %s = %d\r\n" % (name, days))
    text += "\r\n"
    for name, month, day in events:
        text += "Days until %s (%d/%d) = %d\r\n" % (name, month, day,
                                                  days_until(today, month, day))
    return text


def stored_event(name, month, day):
    return "%s#%02d %02d" % (name, month, day)


def unescape(line):
    out, i = [], 0
    while i < len(line):
        if line[i] == "\\" and i + 1 < len(line):
            out.append({"t": "\t", "r": "\r", "n": "\n", "\\": "\\"}.get(line[i + 1],
                                                                      line[i + 1]))
            i += 2
        else:
            out.append(line[i])
            i += 1
    return "".join(out)


def find_dialog(session, title):
    """Handle of the visible standard dialog with that caption, or None."""
    for window in session.windows():
        if window["cls"] == DIALOG_CLASS and window["title"] == title:
            return window["hwnd"]
    return None


def wait_dialog(session, title, timeout=None):
    hwnd = session.wait_for(lambda: find_dialog(session, title), timeout)
    if not hwnd:
        raise fe.E2EError("no dialog %r appeared" % title)
    return hwnd


def wait_dialog_gone(session, title, timeout=None):
    if not session.wait_for(lambda: find_dialog(session, title) is None, timeout):
        raise fe.E2EError("the dialog %r stayed open" % title)


def window_of(session, title, include_hidden=True):
    for window in session.windows(include_hidden):
        if window["cls"] == DIALOG_CLASS and window["title"] == title:
            return window
    return None


def item_text(session, dialog, ident):
    return unescape(session.driver_ok("item-text", dialog, ident).rstrip("\n"))


def list_items(session, dialog, ident=LIST_ID):
    """(items, selected index) of a list or combo box."""
    lines = session.driver_ok("list-items", dialog, ident).split("\n")
    count, selected = (int(v) for v in lines[0].split())
    return [unescape(line) for line in lines[1:1 + count]], selected


def item_state(session, dialog, ident):
    return session.driver_ok("item-state", dialog, ident).split()


MESSAGE_TEXT_ID = 0xFFFF  # the text of a message box


def message_box(session, caption, timeout=None):
    """(handle, text) of the open message box with that caption."""
    box = wait_dialog(session, caption, timeout)
    return box, item_text(session, box, MESSAGE_TEXT_ID)


def answer_box(session, box, button):
    session.driver_ok("press-button", box, button)
    if not session.wait_for(lambda: box not in [w["hwnd"] for w in session.windows()]):
        raise fe.E2EError("the message box stayed open")


def fill_editor(session, editor, name=None, month=None, day=None):
    if name is not None:
        session.driver_ok("set-text", editor, NAME_ID, name)
    if month is not None:
        session.driver_ok("select-item", editor, MONTH_ID, month - 1)
    if day is not None:
        session.driver_ok("select-item", editor, DAY_ID, day - 1)


def add_event(session, dialog, name, month, day):
    """Add..., fill the editor, OK; waits until the editor has closed."""
    session.driver_ok("press-button", dialog, "Add...")
    editor = wait_dialog(session, EDITOR_TITLE)
    fill_editor(session, editor, name, month, day)
    session.driver_ok("press-button", editor, "OK")
    wait_dialog_gone(session, EDITOR_TITLE)


def open_context_menu(session, window):
    """Right click in the middle of a window; returns the menu's items."""
    left, top, right, bottom = window["rect"]
    session.xdotool("mousemove", (left + right) // 2, (top + bottom) // 2, "click", 3)
    items = session.wait_for(session.menu_items, timeout=10)
    if not items:
        raise fe.E2EError("no context menu opened")
    return items


def choose(session, items, text):
    """Clicks the menu item with that text, as the user would."""
    item = next(i for i in items if i["text"] == text)
    left, top, right, bottom = item["rect"]
    session.xdotool("mousemove", (left + right) // 2, (top + bottom) // 2, "click", 1)
    if not session.wait_for(lambda: session.menu_items() is None, timeout=10):
        raise fe.E2EError("the menu stayed open after choosing %r" % text)


def settings_with(**values):
    settings = dict(fe.QUIET_SETTINGS)
    settings.update(values)
    return {"Settings": settings}
