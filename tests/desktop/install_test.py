"""The installed program: `cmake --install` into a temporary prefix, then the
installed launcher runs under Xvfb against the demo content server.

usage: install_test.py --build DIR --server EXE --site DIR --artifacts DIR
                       [unittest arguments]
"""

import argparse
import hashlib
import os
import shutil
import subprocess
import sys
import unittest

from desktop_driver import DesktopSession, stop_group

PATHS = None
APP_ID = "org.quillo.Quillo"
ICON_SIZES = (16, 22, 24, 32, 48, 64, 128, 256)


class InstalledSession(DesktopSession):
    """A desktop session whose program is installed into workdir/prefix."""

    def _copy_program(self):
        self.prefix = os.path.join(self.workdir, "prefix")
        result = subprocess.run(["cmake", "--install", PATHS.build, "--prefix", self.prefix],
                                capture_output=True, check=False)
        if result.returncode != 0:
            raise AssertionError("cmake --install failed: " + result.stderr.decode(errors="replace"))
        self.program_copy = os.path.join(self.prefix, "lib", "quillo")

    def program_command(self, program=None):
        return super().program_command(program or os.path.join(self.prefix, "bin", "quillo"))


def tree_state(directory):
    """Every file and directory under directory, with its mode and content
    digest: what `dpkg -V` would compare."""
    state = {}
    for parent, dirs, files in os.walk(directory):
        for name in dirs + files:
            path = os.path.join(parent, name)
            info = os.lstat(path)
            digest = None
            if os.path.isfile(path) and not os.path.islink(path):
                with open(path, "rb") as f:
                    digest = hashlib.sha256(f.read()).hexdigest()
            state[os.path.relpath(path, directory)] = (info.st_mode, digest)
    return state


def name_page(site):
    with open(os.path.join(site, "ads", "namejt.html"), "rb") as f:
        return f.read().decode("gbk")


class InstallTest(unittest.TestCase):
    def session(self):
        return InstalledSession(os.path.join(PATHS.build, "program"), PATHS.server, PATHS.site,
                                PATHS.artifacts, self.id().rsplit(".", 1)[-1])

    def test_installed_program_runs_against_the_demo_server(self):
        with self.session() as desktop:
            prefix = desktop.prefix
            share = os.path.join(prefix, "share")
            for rel in ("lib/quillo/Config.ini", "lib/quillo/Html/Loading.html",
                        "lib/quillo/Icon/TrayLOGO.ico", "lib/quillo/Language/English.db",
                        "lib/quillo/Skins/Default/Top.jpg", "lib/quillo/INSTALLATION",
                        "bin/quillo-site", "share/man/man1/quillo.1.gz",
                        "share/man/man1/quillo-site.1.gz", "share/doc/quillo/copyright",
                        "share/doc/quillo/changelog.Debian.gz",
                        f"share/applications/{APP_ID}.desktop",
                        f"share/metainfo/{APP_ID}.metainfo.xml"):
                self.assertTrue(os.path.isfile(os.path.join(prefix, rel)), rel)
            for n in ICON_SIZES:
                icon = os.path.join(share, "icons", "hicolor", f"{n}x{n}", "apps", APP_ID + ".png")
                self.assertTrue(os.path.isfile(icon), icon)
            self.assertEqual(subprocess.run(
                ["desktop-file-validate", os.path.join(share, "applications", APP_ID + ".desktop")],
                check=False).returncode, 0)
            self.assertEqual(subprocess.run(
                ["appstreamcli", "validate", "--no-net",
                 os.path.join(share, "metainfo", APP_ID + ".metainfo.xml")],
                capture_output=True, check=False).returncode, 0)

            launcher = os.path.join(prefix, "bin", "quillo")
            version = subprocess.run([launcher, "--version"], capture_output=True, check=False)
            self.assertEqual(version.returncode, 0)
            self.assertRegex(version.stdout.decode(), r"^quillo \d+(\.\d+)+\n$")
            refused = subprocess.run([launcher, "--content-server", "http://127.0.0.1:1/x"],
                                     capture_output=True, check=False)
            self.assertEqual(refused.returncode, 2)
            self.assertIn("must end with '/'", refused.stderr.decode())

            # The installed program writes nothing into its installation,
            # even run as root, for whom lib/quillo is writable: its settings
            # go to the user's configuration directory, seeded from the
            # shipped Config.ini.
            program_dir = os.path.join(prefix, "lib", "quillo")
            installed = tree_state(program_dir)
            user_config = os.path.join(desktop.env()["XDG_CONFIG_HOME"], "quillo", "Config.ini")
            desktop.start_program()
            window = desktop.window_named(name_page(PATHS.site), timeout=90)
            self.assertTrue(desktop.is_visible(window))
            desktop.save_screenshot("installed")
            self.assertTrue(desktop.program_running())
            if os.geteuid() == 0:
                self.assertTrue(os.access(program_dir, os.W_OK))
            self.assertTrue(os.path.isfile(user_config))
            self.assertEqual(tree_state(program_dir), installed)

            # A portable copy of the same files, without the installation's
            # marker, keeps its own Config.ini.
            stop_group(desktop.program)
            portable = os.path.join(desktop.workdir, "portable")
            shutil.copytree(program_dir, portable, symlinks=True)
            os.remove(os.path.join(portable, "INSTALLATION"))
            os.remove(os.path.join(portable, "Config.ini"))
            desktop.program = desktop._spawn(
                desktop.program_command(os.path.join(portable, "quillo")), "portable",
                cwd=desktop.workdir, env=desktop.env())
            desktop.window_named(name_page(PATHS.site), timeout=90)
            self.assertTrue(os.path.isfile(os.path.join(portable, "Config.ini")))
            self.assertEqual(tree_state(program_dir), installed)


def main():
    global PATHS
    parser = argparse.ArgumentParser()
    parser.add_argument("--build", required=True)
    parser.add_argument("--server", required=True)
    parser.add_argument("--site", required=True)
    parser.add_argument("--artifacts", required=True)
    PATHS, rest = parser.parse_known_args()
    unittest.main(argv=[sys.argv[0]] + rest, verbosity=2)


if __name__ == "__main__":
    main()
