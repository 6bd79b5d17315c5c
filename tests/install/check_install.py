#!/usr/bin/env python3
"""Installs the build into a staging prefix and checks what lands where: the executable, the
desktop entry with its Japanese name, the AppStream metainfo, the icon (all three named by the
application id, which `appstreamcli validate-tree` checks they agree on) and the player's guide with
its pictures. Then starts the installed copy once, on the offscreen platform with a fresh home
directory, and checks that it keeps its settings in the per-user configuration directory and writes
nothing beside itself.

Usage: check_install.py CMAKE BUILD_DIR SOURCE_DIR APP_ID"""

import configparser
import filecmp
import os
import shutil
import subprocess
import sys
import tempfile
import time

cmake, build, source, app_id = sys.argv[1:5]
failures = []


def check(ok, what):
    if not ok:
        failures.append(what)


def installed_files(stage):
    found = []
    for root, _, files in os.walk(stage):
        found += [os.path.relpath(os.path.join(root, f), stage) for f in files]
    return sorted(found)


def guide_files():
    docs = os.path.join(source, "docs")
    found = []
    for root, _, files in os.walk(docs):
        found += [os.path.relpath(os.path.join(root, f), docs) for f in files
                  if f.endswith(".png") or (f.startswith("guide.") and f.endswith(".md"))]
    return found


def check_same(stage, installed, original):
    path = os.path.join(stage, installed)
    check(os.path.exists(path) and filecmp.cmp(path, os.path.join(source, original), shallow=False),
          f"{installed} is {original}")


def check_layout(stage):
    program = ["bin/rusrina", f"share/applications/{app_id}.desktop", f"share/metainfo/{app_id}.metainfo.xml",
               f"share/icons/hicolor/64x64/apps/{app_id}.png"]
    guide = ["share/doc/rusrina/" + f for f in guide_files()]
    check(installed_files(stage) == sorted(program + guide), f"installed files: {installed_files(stage)}")
    check("share/doc/rusrina/guide.ja.md" in guide and "share/doc/rusrina/guide.en.md" in guide,
          "the guide is installed in both languages")
    check(os.access(os.path.join(stage, "bin", "rusrina"), os.X_OK), "bin/rusrina is executable")
    for installed, original in zip(program[1:], [f"packaging/{app_id}.desktop", f"packaging/{app_id}.metainfo.xml",
                                                 "src/app/rusrina.png"]):
        check_same(stage, installed, original)
    for f in guide_files():
        check_same(stage, "share/doc/rusrina/" + f, "docs/" + f)

    desktop = os.path.join(stage, "share", "applications", app_id + ".desktop")
    parser = configparser.ConfigParser(interpolation=None)
    parser.optionxform = str  # keys are case-sensitive: Name[ja]
    parser.read(desktop, encoding="utf-8")
    entry = parser["Desktop Entry"] if parser.has_section("Desktop Entry") else {}
    for key, value in {"Type": "Application", "Name": "rusrina", "Name[ja]": "ルセリナ",
                       "Exec": "rusrina", "Icon": app_id, "Terminal": "false"}.items():
        check(entry.get(key) == value, f"desktop entry {key}={entry.get(key)!r}, expected {value!r}")
    validator = shutil.which("appstreamcli")
    check(validator, "appstreamcli is not installed (scripts/deps installs it)")
    if validator:
        result = subprocess.run([validator, "validate-tree", "--no-net", stage], capture_output=True, text=True)
        check(result.returncode == 0, f"appstreamcli validate-tree: {result.stdout}{result.stderr}")


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
