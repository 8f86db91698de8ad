"""Helpers for the screen saver tests: the saver test hook of the test build, the
saver window, and what a capture shows of it."""

import festoon_e2e as fe
import lights_common as lc

SAVER_CLASS = "ssfsClass"
SAVER_HOOK_MESSAGE = "FestoonSaverTestHook"
HOOK_START = 1         # SSType = value, then start as the options dialog's Test button does
HOOK_END = 2
HOOK_RUNNING = 3
HOOK_OPEN_SETUP = 4    # opens the setup dialog (modal) after the message returns
HOOK_TIME_TICKS = 6    # runs value ticks at once; microseconds
HOOK_MINUTE = 8        # one minute of SSDelay lasts value ms

DESKTOP_BLUE = (37, 111, 149)   # the Wine desktop's colour in these sessions
BELOW_STRING = (0, 40, 1024, 700)  # well below the bulbs, above the logo line

EFFECTS = ["Falling Snow", "Warp Drive", "Exploding Fireworks", "Curves!", "Caterpillar",
           "Blank Screen", "Sparks!"]


def settings(**values):
    """Quiet settings with a steady string (every bulb lit), so that two captures of
    the bulbs can be compared pixel for pixel. No zoom: the setup dialog is typed
    into as soon as it is up."""
    base = {"Mode": 0, "NotSoMany": 0, "IdleProcess": 0, "Zoom": 0}
    base.update(values)
    return lc.settings(**base)


def hook(session, op, value=0):
    return int(session.driver_ok("send-registered", fe.MAIN_CLASS, SAVER_HOOK_MESSAGE, op,
                                 value).strip())


def saver_windows(session):
    return [w for w in session.windows() if w["cls"] == SAVER_CLASS]


def wait_saver(session, present=True, timeout=None):
    """Waits until a saver window is (or is no longer) there; returns it or None."""
    found = session.wait_for(lambda: bool(saver_windows(session)) == present, timeout=timeout)
    if not found:
        return None
    windows = saver_windows(session)
    return windows[0] if windows else {}


def start(session, effect):
    if hook(session, HOOK_START, effect) != 1:
        raise fe.E2EError("the saver did not start for type %d" % effect)
    window = wait_saver(session)
    if not window:
        raise fe.E2EError("no %s window after the start" % SAVER_CLASS)
    return window


def bulb_mask(strip_image, background):
    """Pixels of a strip capture that belong to the bulbs (not the background)."""
    return [(x, y) for y in range(strip_image.height) for x in range(strip_image.width)
            if strip_image.pixel(x, y) != background]


def bulbs_match(image, reference, mask, tolerance=0.03):
    """True when at least (1 - tolerance) of the bulb pixels of reference show the
    same colour on image (a flake of snow may sit on a bulb)."""
    same = sum(1 for x, y in mask if image.pixel(x, y) == reference.pixel(x, y))
    return same >= (1 - tolerance) * len(mask)


def changed_pixels(a, b, box=BELOW_STRING):
    """Pixels of the box that differ between two captures of the same size."""
    x0, y0, w, h = box
    ca, cb = a.crop(x0, y0, w, h).rgb, b.crop(x0, y0, w, h).rgb
    row = w * 3
    changed = 0
    for start in range(0, len(ca), row):
        ra, rb = ca[start:start + row], cb[start:start + row]
        if ra != rb:
            changed += sum(1 for i in range(0, row, 3) if ra[i:i + 3] != rb[i:i + 3])
    return changed
