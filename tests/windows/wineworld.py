"""A throw-away Wine world for one test of the Windows program: a Wine prefix of its own (a copy of the
template prefix of scripts/windows.sh, or a fresh one), a private Xvfb display and a temporary folder.
Everything started here runs under this prefix's own wineserver and is stopped with it at the end, so
nothing of the machine's Wine set-up, display or processes is touched.
"""

import os
import shutil
import subprocess
import sys
import time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "helpers"))
from xworld import Failure, XWorld, run_in, tools_missing  # noqa: E402

__all__ = ["WINE", "WINESERVER", "Failure", "WineWorld", "run_in", "tools_missing"]

WINE = "/usr/lib/wine/wine64"
WINESERVER = "/usr/lib/wine/wineserver"


class WineWorld(XWorld):
    def __init__(self, budget):
        super().__init__(time.monotonic() + budget, "halvo-wine-test.", "wine-")
        self.prefix = os.path.join(self.folder, "prefix")
        for name in list(self.env):
            if name.startswith(("WINEQT_", "QT_")):
                del self.env[name]
        self.env.update(WINEPREFIX=self.prefix, WINEDEBUG="-all", WINEARCH="win64",
                        WINEDLLOVERRIDES="mscoree=;mshtml=")

    def make_prefix(self):
        template = os.environ.get("HALVO_WINE_TEMPLATE")
        if template and os.path.isdir(template):
            # symlinks=True keeps the dosdevices links (c: and z:) as they are.
            shutil.copytree(template, self.prefix, symlinks=True)
        else:
            self.run([WINE, "wineboot", "--init"], timeout=120)
            self.run([WINE, "winecfg", "/v", "win10"], timeout=60)
            self.run([WINESERVER, "-w"], timeout=60)

    def run(self, args, timeout=30, check=True, **kwargs):
        done = subprocess.run(args, env=self.env, capture_output=True, timeout=min(timeout, self.remaining()),
                              **kwargs)
        if check and done.returncode != 0:
            raise Failure("%s ended with %d: %s" % (" ".join(args), done.returncode,
                                                    done.stderr.decode(errors="replace").strip()))
        return done

    def reg_query(self, key, value):
        """The data of a registry value as reg.exe prints it, or None when it is not there."""
        done = self.run([WINE, "reg", "query", key, "/v", value], check=False, timeout=30)
        for line in done.stdout.decode("utf-8", errors="replace").splitlines():
            line = line.strip()
            if line.startswith(value + "    ") and "REG_" in line:
                kind_and_data = line[len(value):].strip()
                return kind_and_data.partition(" ")[2].strip()
        return None

    def windows_path(self, path):
        return "Z:" + os.path.abspath(path).replace("/", "\\")

    def stop(self):
        # This prefix's wineserver ends every Windows process of this world.
        subprocess.run([WINESERVER, "-k"], env=self.env, capture_output=True, timeout=20)
        super().stop()
