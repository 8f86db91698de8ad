"""Helpers for the light-string tests: where the bulbs are on a capture, and the
settings that make a string hold still."""

import time

import festoon_e2e as fe

CELL = 32
WIRE_ROWS = range(0, 7)      # the strand: enters at the top corners, sags to row 6
BULB_ROWS = range(10, 32)    # below the socket: the bulb or figure

WM_TIMER = 0x0113


def settings(**values):
    """A garland.ini dict: quiet start-up plus the given Settings keys."""
    merged = dict(fe.QUIET_SETTINGS)
    merged.update(values)
    return {"Settings": {k: str(v) for k, v in merged.items()}}


def background(image):
    """The desktop colour, read well below the string."""
    return image.pixel(image.width // 2, image.height // 2)


def cell_pixels(image, index, rows):
    x0 = index * CELL
    return [image.pixel(x, y) for y in rows for x in range(x0, min(x0 + CELL, image.width))]


def count_unlike(pixels, color):
    return sum(1 for p in pixels if p != color)


def has_wire(image, index, bg):
    return count_unlike(cell_pixels(image, index, WIRE_ROWS), bg) >= 20


def has_bulb(image, index, bg):
    return count_unlike(cell_pixels(image, index, BULB_ROWS), bg) >= 40


def strip(image, width=None):
    return image.crop(0, 0, width or image.width, CELL)


def step_once(session):
    """Makes exactly one animation step through the timer message and returns the
    step count after it."""
    session.driver_ok("send", fe.MAIN_CLASS, "WM_TIMER", 5, 0)
    return session.test_hook(fe.HOOK_ANIMATION_STEPS)


def hold_still(session):
    """Stops the animation timer, so that only the test's own steps move the string
    however slowly the machine answers. Needs IdleProcess 0 and the test build."""
    if session.test_hook(fe.HOOK_ANIMATION_TIMER, 0) != 1:
        raise fe.E2EError("the animation timer did not stop: not the test build?")


def capture_after_step(session, settle=0.5, attempts=6):
    """A capture taken `settle` seconds after a timer step, with no further step in
    between: whatever that step asked of other windows (a desktop repaint) is done."""
    for _ in range(attempts):
        steps = session.test_hook(fe.HOOK_ANIMATION_STEPS)
        if not session.wait_for(lambda: session.test_hook(fe.HOOK_ANIMATION_STEPS) > steps,
                                timeout=10, interval=0.05):
            break
        after = session.test_hook(fe.HOOK_ANIMATION_STEPS)
        time.sleep(settle)
        image = session.capture()
        if session.test_hook(fe.HOOK_ANIMATION_STEPS) == after:
            return image
    raise fe.E2EError("could not capture between two timer steps")
