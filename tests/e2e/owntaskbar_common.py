"""Helpers for the own taskbar tests: the bar window, whether it is topmost, the
space the shell still offers on the top edge, and the bar's colours on a capture."""

import festoon_e2e as fe
import lights_common as lc

BAR_CLASS = "zezAppBarwClass"
APPBAR_CALLBACK = 1863
ABN_STATECHANGE, ABN_POSCHANGED, ABN_FULLSCREENAPP = 0, 1, 2
WS_EX_TOPMOST = 0x8
CMD_TOGGLE_ON_TOP = 1005
HOOK_SET_OWN_WINDOW = fe.HOOK_OPS["SET_OWN_WINDOW"]
HOOK_RELOAD_SETTINGS = fe.HOOK_OPS["RELOAD_SETTINGS"]

# BackColor -> the colour the bar shows (None: the desktop's own colour).
BACK_COLORS = {0: None, 1: (0, 0, 0), 2: (127, 127, 127), 3: (192, 192, 192),
               4: (255, 255, 255), 5: (0, 0, 127), 6: (0, 0, 255)}


def bars(session):
    """The program's bar windows (top level), visible or not."""
    return [w for w in session.windows(include_hidden=True) if w["cls"] == BAR_CLASS]


def is_topmost(session):
    style = session.driver_ok("style", BAR_CLASS).split()
    return bool(int(style[1], 16) & WS_EX_TOPMOST)


def free_top(session):
    """Top of the space the shell offers a new bar on the top edge: 32 while the
    program's bar holds its strip, 0 once it has given it back."""
    return int(session.driver_ok("appbar-query").split()[1])


def notify(session, code, param):
    """Sends the bar a notification as the shell would."""
    return int(session.driver_ok("send", BAR_CLASS, APPBAR_CALLBACK, code, param).strip())


def bar_is_painted(image, colour, cells):
    """True when the bulb rows of every bare-wire cell show only the bar colour and
    every cell still has its wire: the bar is filled and the string is on it."""
    for i in range(cells):
        if not lc.has_wire(image, i, colour):
            return False
        if i % 2 == 1 and lc.count_unlike(lc.cell_pixels(image, i, lc.BULB_ROWS), colour):
            return False
    return True
