"""Runs one Windows console program under Wine on a private desktop and exits with
its exit code, after printing what it printed.

    python3 winerun.py [--desktop WxH] [--prefix DIR] -- prog.exe args...

The desktop is the one the end-to-end tests use: a fresh Xvfb on a free display and
the shared prefix's "Festoon" virtual desktop (see festoon_e2e.py for where the
prefix is found). Everything started is ended before this returns.
"""

import argparse
import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import festoon_e2e  # noqa: E402


def parse_size(text):
    width, _, height = text.lower().partition("x")
    try:
        size = int(width), int(height)
    except ValueError:
        raise argparse.ArgumentTypeError("expected WIDTHxHEIGHT, got %r" % text)
    if size[0] < 64 or size[1] < 64:
        raise argparse.ArgumentTypeError("desktop %r is too small" % text)
    return size


def main(argv):
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("--desktop", type=parse_size, default=festoon_e2e.DEFAULT_DESKTOP,
                        help="virtual desktop size, WIDTHxHEIGHT (default 1024x768)")
    parser.add_argument("--prefix", help="Wine prefix (default: the shared test prefix)")
    parser.add_argument("--timeout", type=float, default=120, help="seconds (default 120)")
    parser.add_argument("program", nargs=argparse.REMAINDER)
    args = parser.parse_args(argv)
    command = args.program[1:] if args.program[:1] == ["--"] else args.program
    if not command:
        parser.error("no program given")
    if not os.path.isfile(command[0]):
        parser.error("no such program: %s" % command[0])
    program = os.path.abspath(command[0])
    prefix = os.path.abspath(args.prefix) if args.prefix else None
    desktop = festoon_e2e.Desktop(prefix=prefix, size=args.desktop)
    try:
        result = desktop.run([program] + command[1:], cwd=os.path.dirname(program),
                             timeout=args.timeout)
    finally:
        desktop.close()
    sys.stdout.write(result.stdout)
    sys.stderr.write(result.stderr)
    return result.returncode


if __name__ == "__main__":
    try:
        sys.exit(main(sys.argv[1:]))
    except festoon_e2e.E2EError as error:
        sys.stderr.write("winerun: %s\n" % error)
        sys.exit(125)
