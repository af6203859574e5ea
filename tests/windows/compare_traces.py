#!/usr/bin/env python3
# compare_traces.py -- football-trace.exe under Wine prints the same bytes as the Linux build.
#
# Usage: compare_traces.py LINUX_TRACE WINDOWS_TRACE.exe ARGUMENTS...
# Runs both with the same arguments ($WINE runs the .exe, in $WINEPREFIX) and
# compares their standard output byte for byte; on a difference, names the
# first line that differs and shows it from both. Each runs in a folder of its
# own, so files the arguments name (--audio sound.wav) are compared as well.
import os
import subprocess
import sys
import tempfile


def run(command, folder):
    result = subprocess.run(command, stdin=subprocess.DEVNULL, stdout=subprocess.PIPE,
                            stderr=subprocess.PIPE, timeout=240, cwd=folder)
    if result.returncode != 0:
        sys.exit("FAIL: %s ended with status %d:\n%s" %
                 (" ".join(command), result.returncode, result.stderr.decode(errors="replace")))
    return result.stdout


def first_difference(linux, windows):
    linux_lines = linux.split(b"\n")
    windows_lines = windows.split(b"\n")
    for number, (a, b) in enumerate(zip(linux_lines, windows_lines), 1):
        if a != b:
            return number, a, b
    number = min(len(linux_lines), len(windows_lines)) + 1
    return number, b"(%d lines)" % len(linux_lines), b"(%d lines)" % len(windows_lines)


def main():
    if len(sys.argv) < 4:
        sys.stderr.write("usage: compare_traces.py LINUX_TRACE WINDOWS_TRACE.exe ARGUMENTS...\n")
        return 2
    linux_trace, windows_trace, arguments = sys.argv[1], sys.argv[2], sys.argv[3:]
    if not linux_trace or not os.access(linux_trace, os.X_OK):
        sys.stderr.write("FAIL: no Linux football-trace to compare with (%r): build it first "
                         "(make build), then configure the Windows build with "
                         "-DFOOTBALL_NATIVE_TRACE=PATH (make windows does)\n" % linux_trace)
        return 1
    linux_trace, windows_trace = os.path.abspath(linux_trace), os.path.abspath(windows_trace)
    with tempfile.TemporaryDirectory() as linux_folder, \
            tempfile.TemporaryDirectory() as windows_folder:
        linux = run([linux_trace] + arguments, linux_folder)
        windows = run([os.environ.get("WINE", "wine"), windows_trace] + arguments, windows_folder)
        for name in sorted(os.listdir(linux_folder)):
            with open(os.path.join(linux_folder, name), "rb") as a:
                ours = a.read()
            theirs_path = os.path.join(windows_folder, name)
            theirs = open(theirs_path, "rb").read() if os.path.exists(theirs_path) else None
            if ours != theirs:
                sys.stderr.write("FAIL: %s differs (Linux %d bytes, Windows %s)\n" %
                                 (name, len(ours), "none" if theirs is None else
                                  "%d bytes" % len(theirs)))
                return 1
    if linux == windows:
        print("PASS: %d identical bytes, %d lines" % (len(linux), linux.count(b"\n")))
        return 0
    number, a, b = first_difference(linux, windows)
    sys.stderr.write("FAIL: the traces differ (Linux %d bytes, Windows %d bytes); first at line "
                     "%d:\n  Linux:   %r\n  Windows: %r\n" % (len(linux), len(windows), number,
                                                              a[:300], b[:300]))
    return 1


if __name__ == "__main__":
    sys.exit(main())
