"""How long one draw of the light string takes inside festoon.exe, for the direct
path and the flicker-free one, on desktops of several widths. The program times a
burst of draws itself (test hook query 7, microseconds) so that starting the
driver does not count. Run through draw_time.sh.
"""

import argparse
import os
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "e2e"))
import festoon_e2e as fe  # noqa: E402

SIZES = [(1024, 768), (1920, 1080), (2560, 1440)]


def time_draws(size, no_flicker, draws):
    settings = {"Rate": 0, "Mode": 0, "NoFlicker": no_flicker, "NotSoMany": 0}
    settings.update(fe.QUIET_SETTINGS)
    with fe.Session(ini={"Settings": settings}, desktop=size, test_build=True) as session:
        session.wait_started()
        session.test_hook(fe.HOOK_TIME_DRAWS, 20)  # warm up
        best = min(session.test_hook(fe.HOOK_TIME_DRAWS, draws) for _ in range(3))
        session.close()
        return best / draws


def main():
    parser = argparse.ArgumentParser(description=__doc__)
    parser.add_argument("--draws", type=int, default=500)
    args = parser.parse_args()
    print("%-11s %9s %14s %14s" % ("desktop", "positions", "direct us", "flicker-free us"))
    for size in SIZES:
        direct = time_draws(size, 0, args.draws)
        free = time_draws(size, 1, args.draws)
        print("%-11s %9d %14.1f %14.1f" % ("%dx%d" % size, size[0] // 32, direct, free))
    return 0


if __name__ == "__main__":
    sys.exit(main())
