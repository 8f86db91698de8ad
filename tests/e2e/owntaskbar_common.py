"""Helpers for the own taskbar tests: the bar window, whether it is topmost, the
space the shell still offers on the top edge, and the bar's colours on a capture."""

import festoon_e2e as fe
import lights_common as lc

BAR_CLASS = "zezAppBarwClass"
ABN_STATECHANGE, ABN_POSCHANGED, ABN_FULLSCREENAPP = 0, 1, 2
WM_LBUTTONDBLCLK, WM_SETTINGCHANGE = 0x0203, 0x001A
CMD_TOGGLE_ON_TOP = 1005
HOOK_SET_OWN_WINDOW = fe.HOOK_OPS["SET_OWN_WINDOW"]
HOOK_RELOAD_SETTINGS = fe.HOOK_OPS["RELOAD_SETTINGS"]


def ini(**values):
    """Still bulbs, a bulb at every second position, the own taskbar on."""
    return lc.settings(**dict(dict(Mode=0, Color=3, BulbType=0, NotSoMany=1, OwnWindow=1),
                              **values))


def bars(session):
    return [w for w in session.windows(include_hidden=True) if w["cls"] == BAR_CLASS]


def is_topmost(session):
    return bool(int(session.driver_ok("style", BAR_CLASS).split()[1], 16) & 0x8)  # WS_EX_TOPMOST


def free_top(session):
    """Top of the space the shell offers a new bar on the top edge: 32 while the
    program's bar holds its strip, 0 once it has given it back."""
    return int(session.driver_ok("appbar-query").split()[1])


def notify(session, code, param):
    """Sends the bar a notification (message 1863) as the shell would."""
    return int(session.driver_ok("send", BAR_CLASS, 1863, code, param).strip())


def painted(image, colour=None):
    """The image when the bar shows the colour (None: the desktop's) in the bulb rows of
    every bare-wire cell and a wire in every cell, else None."""
    colour = colour or lc.background(image)
    for i in range(32):
        if not lc.has_wire(image, i, colour) or (
                i % 2 and lc.count_unlike(lc.cell_pixels(image, i, lc.BULB_ROWS), colour)):
            return None
    return image


def keep_desktop(session):
    """Another program that keeps the Wine desktop (and its shell) alive after Festoon
    ends, so that what the shell remembers can still be asked."""
    return session.desktop.start([fe.driver_path(), "wait", "NoSuchWindowClass", 60000],
                                 cwd=session.folder)
