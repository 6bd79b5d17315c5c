#!/usr/bin/env python3
"""Installs the build into a staging prefix and checks what lands where: the executable, the
desktop entry with its Japanese name, and the icon. Then starts the installed copy once, on the
offscreen platform with a fresh home directory, and checks that it keeps its settings in the
per-user configuration directory and writes nothing beside itself.

Usage: check_install.py CMAKE BUILD_DIR SOURCE_DIR"""

import configparser
import filecmp
import os
import shutil
import subprocess
import sys
import tempfile
import time

cmake, build, source = sys.argv[1:4]
failures = []


def check(ok, what):
    if not ok:
        failures.append(what)


def installed_files(stage):
    found = []
    for root, _, files in os.walk(stage):
        found += [os.path.relpath(os.path.join(root, f), stage) for f in files]
    return sorted(found)


def check_layout(stage):
    check(installed_files(stage) == ["bin/rusrina", "share/applications/rusrina.desktop",
                                     "share/icons/hicolor/64x64/apps/rusrina.png"],
          f"installed files: {installed_files(stage)}")
    check(os.access(os.path.join(stage, "bin", "rusrina"), os.X_OK), "bin/rusrina is executable")

    desktop = os.path.join(stage, "share", "applications", "rusrina.desktop")
    parser = configparser.ConfigParser(interpolation=None)
    parser.optionxform = str  # keys are case-sensitive: Name[ja]
    parser.read(desktop, encoding="utf-8")
    entry = parser["Desktop Entry"] if parser.has_section("Desktop Entry") else {}
    for key, value in {"Type": "Application", "Name": "rusrina", "Name[ja]": "ルセリナ",
                       "Exec": "rusrina", "Icon": "rusrina", "Terminal": "false"}.items():
        check(entry.get(key) == value, f"desktop entry {key}={entry.get(key)!r}, expected {value!r}")
    validator = shutil.which("desktop-file-validate")
    if validator:
        result = subprocess.run([validator, desktop], capture_output=True, text=True)
        check(result.returncode == 0 and not result.stdout.strip(), f"desktop-file-validate: {result.stdout}")

    icon = os.path.join(stage, "share", "icons", "hicolor", "64x64", "apps", "rusrina.png")
    check(os.path.exists(icon) and filecmp.cmp(icon, os.path.join(source, "src", "app", "rusrina.png"), shallow=False),
          "the icon is the program's own")


def check_first_start(tmp, stage):
    home = os.path.join(tmp, "home")
    os.makedirs(home)
    env = dict(os.environ, HOME=home, QT_QPA_PLATFORM="offscreen")
    env.pop("XDG_CONFIG_HOME", None)
    data_dir = os.path.join(home, ".config", "rusrina")
    ini = os.path.join(data_dir, "rusrina.ini")
    program = subprocess.Popen([os.path.join(stage, "bin", "rusrina")], env=env, cwd=tmp,
                               stdout=subprocess.DEVNULL, stderr=subprocess.PIPE)
    # The program locks its data directory as it starts, and writes its settings as it ends (SIGTERM
    # ends it as the launcher's close would).
    deadline = time.time() + 60
    while time.time() < deadline and not os.path.exists(os.path.join(data_dir, "rusrina.lock")) \
            and program.poll() is None:
        time.sleep(0.1)
    running = program.poll() is None
    program.terminate()
    _, errors = program.communicate(timeout=30)
    check(running, f"the installed copy is still running after its start: {errors.decode(errors='replace')}")
    check(program.returncode == 0, f"the installed copy ends on SIGTERM with status 0, not {program.returncode}")
    check(os.path.exists(ini), "the settings file is in ~/.config/rusrina")
    if os.path.exists(ini):
        with open(ini, "rb") as f:
            check(b"[Main]\r\nVersion=92\r\n" in f.read(), "the new settings file holds the version")
    check(os.listdir(os.path.join(stage, "bin")) == ["rusrina"], "nothing is written beside the installed copy")


with tempfile.TemporaryDirectory(prefix="rusrina-install-") as tmp:
    stage = os.path.join(tmp, "stage")
    subprocess.run([cmake, "--install", build, "--prefix", stage], check=True, stdout=subprocess.DEVNULL)
    check_layout(stage)
    check_first_start(tmp, stage)

for failure in failures:
    print("FAILED:", failure)
sys.exit(1 if failures else 0)
