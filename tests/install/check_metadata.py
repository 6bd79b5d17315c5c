#!/usr/bin/env python3
"""Checks the desktop entry and the AppStream metainfo as the desktop and the software centres read
them: desktop-file-validate and `appstreamcli validate --no-net` must find nothing (a hint or an
advice counts), and the two files must agree with each other, with the pictures in docs/ and with
the project's version. Both validators are required: scripts/deps installs them.

Usage: check_metadata.py SOURCE_DIR APP_ID VERSION"""

import configparser
import os
import re
import shutil
import subprocess
import sys
import xml.etree.ElementTree as ET

source, app_id, version = sys.argv[1:4]
desktop = os.path.join(source, "packaging", app_id + ".desktop")
metainfo = os.path.join(source, "packaging", app_id + ".metainfo.xml")
SCREENSHOT_PREFIX = "https://raw.githubusercontent.com/rusrina/rusrina/main/"
failures = []


def check(ok, what):
    if not ok:
        failures.append(what)


def validate(command, issue):
    tool = shutil.which(command[0])
    if not tool:
        failures.append(f"{command[0]} is not installed (scripts/deps installs it)")
        return
    result = subprocess.run([tool] + command[1:], capture_output=True, text=True)
    output = (result.stdout + result.stderr).strip()
    check(result.returncode == 0 and not re.search(issue, output, re.MULTILINE),
          f"{' '.join(command)} (exit {result.returncode}):\n{output}")


def check_agreement():
    parser = configparser.ConfigParser(interpolation=None)
    parser.optionxform = str
    parser.read(desktop, encoding="utf-8")
    entry = parser["Desktop Entry"] if parser.has_section("Desktop Entry") else {}
    check(entry.get("Icon") == app_id, f"the desktop entry's icon is {entry.get('Icon')!r}, not {app_id}")

    root = ET.parse(metainfo).getroot()
    check(root.findtext("id") == app_id, f"the metainfo's id is {root.findtext('id')!r}, not {app_id}")
    check(root.findtext("launchable") == app_id + ".desktop", "the metainfo launches the desktop entry")
    releases = root.findall("releases/release")
    check(releases and releases[0].get("version") == version,
          f"the newest release in the metainfo is the project's version {version}")
    for image in root.iter("image"):
        url = (image.text or "").strip()
        picture = os.path.join(source, url[len(SCREENSHOT_PREFIX):])
        check(url.startswith(SCREENSHOT_PREFIX) and os.path.isfile(picture),
              f"the screenshot {url} is a picture of the repository")


validate(["desktop-file-validate", desktop], issue=r".")  # it says nothing about a valid file
validate(["appstreamcli", "validate", "--no-net", metainfo], issue=r"^\s*[EWI]: ")  # errors, warnings, advice
check_agreement()

for failure in failures:
    print("FAILED:", failure)
sys.exit(1 if failures else 0)
