#!/usr/bin/env python3
# check_install.py -- installs the build into a temporary prefix with
# `cmake --install` and checks what is there: the three programs, the desktop
# entry and metadata naming each other and the icons, the icons' sizes, the
# manual pages with every option of the programs' --help, and the licence.
# Usage: check_install.py BUILD_DIR APP_ID
import configparser
import gzip
import os
import re
import struct
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ElementTree

failures = []


def check(condition, message):
    if not condition:
        failures.append(message)


def png_size(path):
    with open(path, "rb") as file:
        header = file.read(24)
    if header[:8] != b"\x89PNG\r\n\x1a\n" or header[12:16] != b"IHDR":
        return None
    return struct.unpack(">II", header[16:24])


def help_options(program):
    text = subprocess.run([program, "--help"], capture_output=True, text=True, check=True).stdout
    return re.findall(r"^  (--[a-z][a-z-]*)", text, re.MULTILINE)


def main():
    build_dir, app_id = sys.argv[1], sys.argv[2]
    with tempfile.TemporaryDirectory() as prefix:
        subprocess.run(["cmake", "--install", build_dir, "--prefix", prefix],
                       check=True, stdout=subprocess.DEVNULL)
        share = os.path.join(prefix, "share")
        programs = ["football", "football-trace", "football-record"]
        for program in programs:
            path = os.path.join(prefix, "bin", program)
            check(os.path.isfile(path) and os.access(path, os.X_OK), f"bin/{program} missing")

        desktop_path = os.path.join(share, "applications", app_id + ".desktop")
        check(os.path.isfile(desktop_path), "desktop entry missing")
        if os.path.isfile(desktop_path):
            entry = configparser.ConfigParser(interpolation=None)
            entry.optionxform = str
            entry.read(desktop_path)
            section = entry["Desktop Entry"]
            check(section.get("Exec") == "football", "the desktop entry starts another program")
            check(section.get("Icon") == app_id, "the desktop entry names another icon")
            # The program's windows carry the entry's name as their class.
            check(section.get("StartupWMClass") == app_id,
                  "the desktop entry's StartupWMClass is not the windows' class")
            check(section.get("Categories") == "Game;SportsGame;", "wrong desktop categories")

        metainfo_path = os.path.join(share, "metainfo", app_id + ".metainfo.xml")
        check(os.path.isfile(metainfo_path), "AppStream metadata missing")
        if os.path.isfile(metainfo_path):
            root = ElementTree.parse(metainfo_path).getroot()
            check(root.findtext("id") == app_id, "the metadata has another id")
            check(root.findtext("launchable") == app_id + ".desktop",
                  "the metadata launches another desktop entry")

        for size in (64, 128, 256):
            icon = os.path.join(share, "icons", "hicolor", f"{size}x{size}", "apps", app_id + ".png")
            check(os.path.isfile(icon), f"{size}px icon missing")
            if os.path.isfile(icon):
                check(png_size(icon) == (size, size), f"{size}px icon is {png_size(icon)}")

        # xscreensaver finds the hack by its config file's name and runs it
        # from its hack directory.
        saver_path = os.path.join(share, "xscreensaver", "config", "football.xml")
        check(os.path.isfile(saver_path), "xscreensaver config missing")
        if os.path.isfile(saver_path):
            saver = ElementTree.parse(saver_path).getroot()
            check(saver.get("name") == "football" and saver.get("gl") == "yes",
                  "the xscreensaver config names another hack, or no OpenGL visual")
            command = saver.find("command")
            check(command is not None and command.get("arg") == "--root",
                  "the xscreensaver config does not draw into the screen saver's window")
            # Its settings pass options the program has.
            offered = help_options(os.path.join(prefix, "bin", "football"))
            for element in saver.iter():
                for argument in filter(None, (element.get("arg-set"), element.get("arg-unset"))):
                    check(argument.split()[0] in offered,
                          f"the xscreensaver config passes {argument}, an option football lacks")
            # Its club lists offer every club the program knows, the default side's first.
            clubs = [line.split()[0] for line in subprocess.run(
                [os.path.join(prefix, "bin", "football"), "--list-teams"],
                stdout=subprocess.PIPE, text=True, check=True).stdout.splitlines()]
            for side, default in (("home", clubs[0]), ("away", clubs[1])):
                offered_clubs = [default] + [o.get("arg-set").split()[1] for o in
                                             saver.findall(f"select[@id='{side}']/option")[1:]]
                check(sorted(offered_clubs) == sorted(clubs),
                      f"the xscreensaver config's {side} clubs are not the program's")
        hack = os.path.join(prefix, "libexec", "xscreensaver", "football")
        check(os.path.realpath(hack) == os.path.realpath(os.path.join(prefix, "bin", "football")),
              "libexec/xscreensaver/football does not lead to bin/football")

        man_dir = os.path.join(share, "man", "man6")
        for program in programs:
            page_path = os.path.join(man_dir, program + ".6.gz")
            check(os.path.isfile(page_path), f"manual page of {program} missing")
            if not os.path.isfile(page_path):
                continue
            with gzip.open(page_path, "rt") as page_file:
                page = page_file.read()
            check(re.search(r"^\.TH " + re.escape(program.upper()) + r" \"?6\"? ", page, re.MULTILINE),
                  f"manual page of {program} has no section-6 title")
            for option in help_options(os.path.join(prefix, "bin", program)):
                check(option.replace("-", "\\-") in page,
                      f"manual page of {program} lacks {option}")

        # The licence, in Debian's copyright file: the MIT (Expat) text of LICENSE.
        copyright_path = os.path.join(share, "doc", "football", "copyright")
        check(os.path.isfile(copyright_path), "doc/football/copyright missing")
        if os.path.isfile(copyright_path):
            with open(copyright_path) as copyright_file:
                copyright_text = copyright_file.read()
            check("\nLicense: Expat\n" in copyright_text, "the copyright file names no Expat licence")
            check(" Permission is hereby granted, free of charge," in copyright_text and
                  "\n .\n THE SOFTWARE IS PROVIDED \"AS IS\"" in copyright_text,
                  "the copyright file lacks the licence's text")
    for failure in failures:
        print("FAIL:", failure)
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
