"""Both Windows programs under Wine, in its virtual desktop on an X server of their own
(scripts/with-display.sh), driven with real keys through XTest as a user would. Wine
offers no accessibility bus: outcomes are read from files and window titles."""
import filecmp
import os
import pwd
import shutil
import struct
import subprocess
import tempfile
import time
import unittest

BUILD = os.environ.get("E2E_BUILD_DIR", os.path.join(os.path.dirname(__file__), "../../build-windows"))
PREFIX = os.environ["WINE_DISPLAY_PREFIX"]
WINE = "/usr/lib/wine/wine64"
TIMEOUT = 30.0  # Wine starts its desktop and services on the first run

# SPLATTER is the only word of 8 letters or more, so every game draws it, and the 30
# words after it can be formed from its letters; PEAT can too, though the dictionary
# lacks it.
DICTIONARY = ["ZOO", "SPLATTER", "QUIZ", "ALES", "ART", "LAP", "LAST", "LEAPS", "PALER",
              "PALES", "PARS", "PET", "PLATE", "PLATTER", "RATTLE", "RATTLES", "SALE", "SATE",
              "SEA", "SEAL", "SEAR", "SLAT", "SPA", "SPAT", "SPATE", "SPRAT", "STALER", "STAPLE",
              "TAPES", "TARS", "TEAL", "TEARS", "TRAP"]


def wait_until(what, probe, timeout=TIMEOUT):
    deadline = time.monotonic() + timeout
    while True:
        result = probe()
        if result:
            return result
        if time.monotonic() > deadline:
            raise AssertionError(f"timed out after {timeout:.0f} s waiting for {what}")
        time.sleep(0.1)


def xdotool(*args):
    return subprocess.run(["xdotool", *args], timeout=TIMEOUT, capture_output=True,
                          text=True).stdout


def titles():
    """The titles of the windows on the display, one entry per window."""
    return list(windows().values())


def windows():
    """The windows on the display by id, with their titles."""
    ids = xdotool("search", "--onlyvisible", "--name", "").split()
    return {wid: xdotool("getwindowname", wid).strip() for wid in ids}


def answer(title, others, *keys, timeout=TIMEOUT):
    """Waits for a window of that title other than `others` (ids), answers it with the
    keys and waits for it to close."""
    box = wait_until(f"a window titled {title!r}", lambda: next(
        (wid for wid, name in windows().items() if name == title and wid not in others), None),
        timeout)
    key(*keys)
    wait_until(f"the window titled {title!r} to close", lambda: box not in windows())


def window(title, count=1):
    return wait_until(f"{count} window(s) titled {title!r}",
                      lambda: titles().count(title) >= count)



def gone(title, count=0):
    return wait_until(f"no more than {count} window(s) titled {title!r}",
                      lambda: titles().count(title) <= count)


def key(*names):
    # Wine needs a moment to pass each key to the window it belongs to.
    xdotool("key", "--delay", "120", *names)
    time.sleep(0.3)


def type_text(text):
    xdotool("type", "--delay", "120", text)
    time.sleep(0.3)


def shortcut_target(path):
    """The local path a shell link leads to: the base path of its link information."""
    with open(path, "rb") as f:
        data = f.read()
    flags = struct.unpack_from("<I", data, 0x14)[0]
    offset = 0x4C
    if flags & 0x1:  # an item id list comes first
        offset += 2 + struct.unpack_from("<H", data, offset)[0]
    if not flags & 0x2:
        return None
    base = offset + struct.unpack_from("<I", data, offset + 0x10)[0]
    return data[base:data.index(b"\0", base)].decode("mbcs" if os.name == "nt" else "latin-1")


class WineProgram:
    """A Windows program started in Wine's virtual desktop from a folder of its own."""

    def __init__(self, folder, program):
        self.folder = folder
        self.program = program
        self.proc = None

    def start(self):
        env = dict(os.environ, WINEPREFIX=PREFIX, WINEDEBUG="-all",
                   WINEDLLOVERRIDES="winemenubuilder.exe=d;mscoree=;mshtml=")
        self.proc = subprocess.Popen(
            [WINE, "explorer", "/desktop=e2e,1024x768", self.program], cwd=self.folder, env=env,
            stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)

    def wait_for_exit(self):
        """Waits until the program's process is gone; Wine's desktop may stay a while."""
        def running():
            for pid in filter(str.isdigit, os.listdir("/proc")):
                try:
                    with open(f"/proc/{pid}/cmdline", "rb") as f:
                        command = f.read().decode("latin-1").lower()
                except OSError:
                    continue
                if self.program.lower() in command and "explorer" not in command:
                    return True
            return False
        wait_until(f"{self.program} to end", lambda: not running())

    def stop(self):
        # Every process of the prefix goes, the desktop among them.
        subprocess.run(["/usr/lib/wine/wineserver", "-k"], env=dict(os.environ, WINEPREFIX=PREFIX),
                       timeout=TIMEOUT, check=False)
        if self.proc:
            self.proc.wait(TIMEOUT)


class WineGameTest(unittest.TestCase):
    def test_a_game_played_with_keys_adds_words_and_shows_the_score(self):
        folder = tempfile.mkdtemp(prefix="wine-game-")
        self.addCleanup(shutil.rmtree, folder, True)
        for name in ("Lettrino.exe", "Lettrino.HLP"):
            shutil.copy2(os.path.join(BUILD, "product", name), folder)
        dictionary = os.path.join(folder, "Lettrino.txt")
        with open(dictionary, "w", encoding="ascii", newline="\r\n") as f:
            f.write("\n".join(DICTIONARY) + "\n")
        game = WineProgram(folder, "Lettrino.exe")
        self.addCleanup(game.stop)
        game.start()
        window("Lettrino")
        key("Return")  # Start Game has the focus
        window("Start Game")
        key("Return")
        gone("Start Game")
        type_text("sea")
        key("Return")  # a word of the dictionary: straight into the list
        type_text("peat")
        key("Return")  # a new one: the game asks, Yes is the default
        window("Lettrino", count=2)
        key("Return")
        gone("Lettrino", count=1)
        key("alt+q")
        window("Quit Game")
        key("Return")
        gone("Quit Game")
        key("alt+F4")
        window("Lettrino", count=2)  # whether to save the dictionary: Yes is the default
        key("Return")
        game.wait_for_exit()
        with open(dictionary, encoding="ascii") as f:
            words = f.read().split()
        self.assertIn("PEAT", words)
        self.assertEqual(len(words), len(DICTIONARY) + 1)


class WineSetupTest(unittest.TestCase):
    def test_installed_from_the_media_with_the_keyboard_alone(self):
        media = tempfile.mkdtemp(prefix="wine-media-")
        self.addCleanup(shutil.rmtree, media, True)
        product = os.path.join(BUILD, "product")
        for name in os.listdir(product):
            shutil.copy2(os.path.join(product, name), media)
        user = os.path.join(PREFIX, "drive_c/users", pwd.getpwuid(os.getuid()).pw_name)
        installed = os.path.join(PREFIX, "drive_c/Games/Lettrino")
        links = [os.path.join(user, "AppData/Roaming/Microsoft/Windows/Start Menu/Programs",
                              "Lettrino.lnk"), os.path.join(user, "Desktop/Lettrino.lnk")]
        def clean():
            for path in links:
                if os.path.exists(path):
                    os.remove(path)
            shutil.rmtree(installed, ignore_errors=True)
        clean()
        self.addCleanup(clean)
        setup = WineProgram(media, "setup.exe")
        self.addCleanup(setup.stop)
        setup.start()
        window("Lettrino Setup")
        main = set(windows())
        key("alt+s")
        answer("Lettrino Setup", main, "Return")  # the directory dialog: its default
        # Whether to make a desktop shortcut, that the game was installed, that it is
        # ready to play: each answered with its default, until no window follows. The
        # progress dialog among them ignores Enter and goes by itself.
        for _ in range(6):
            try:
                answer("Lettrino Setup", main, "Return", timeout=8)
            except AssertionError:
                break
        key("alt+x")
        setup.wait_for_exit()
        # Windows finds names whatever their case.
        found = {name.lower(): name for name in os.listdir(installed)}
        for name in ("Lettrino.exe", "Lettrino.txt", "Lettrino.HLP", "Lettrino.COPYING"):
            self.assertIn(name.lower(), found)
            self.assertTrue(filecmp.cmp(os.path.join(product, name),
                                        os.path.join(installed, found[name.lower()]),
                                        shallow=False), name)
        made = [path for path in links if os.path.exists(path)]
        self.assertTrue(made, "no shortcut in the Start menu or on the desktop")
        for path in made:
            self.assertEqual(shortcut_target(path).lower(), "c:\\games\\lettrino\\lettrino.exe")


if __name__ == "__main__":
    unittest.main()
