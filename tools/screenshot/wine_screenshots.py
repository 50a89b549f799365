"""Renders every dialog of both Windows programs, as Wine shows them in its virtual
desktop, to PNG files: the programs run from the Windows build's product folder and are
walked through their dialogs with keys; each window is read off the X server.

    scripts/with-display.sh python3 tools/screenshot/wine_screenshots.py \\
        <Windows build folder> <Wine prefix> <output folder>

The game draws SPLATTER, the only long word of the dictionary it is given, so the
pictures come out the same every time."""
import os
import pwd
import shutil
import subprocess
import sys
import tempfile
import time

sys.path.insert(0, os.path.join(os.path.dirname(__file__), "../../tests/e2e"))
BUILD, PREFIX, OUTPUT = (os.path.abspath(arg) for arg in sys.argv[1:4])
os.environ["WINE_DISPLAY_PREFIX"] = PREFIX
os.environ["E2E_BUILD_DIR"] = BUILD
import test_wine  # noqa: E402  (reads the prefix when it loads)
from test_wine import DICTIONARY, WineProgram, key, type_text, wait_until, windows  # noqa: E402


def newest(title, skip=()):
    """The newest window of that title that is not one of `skip`, once there is one and
    it has had a moment to take the focus and paint."""
    wid = wait_until(f"a window titled {title!r}", lambda: next(
        (w for w, t in reversed(list(windows().items())) if t == title and w not in skip), None),
        timeout=60)
    time.sleep(0.5)
    return wid


def save(title, name, skip=(), wid=None):
    """Saves window `wid`, else the newest window of that title (not one of `skip`), as
    <name>.png."""
    wid = wid or newest(title, skip)
    path = os.path.join(OUTPUT, name + ".png")
    picture = subprocess.run(["xwd", "-id", wid, "-silent"], check=True, capture_output=True).stdout
    pixels = subprocess.run(["xwdtopnm"], input=picture, check=True, capture_output=True).stdout
    with open(path, "wb") as f:
        f.write(subprocess.run(["pnmtopng"], input=pixels, check=True, capture_output=True).stdout)
    print(path)
    return wid


def game():
    folder = tempfile.mkdtemp(prefix="wine-shots-")
    for name in ("Lettrino.exe", "Lettrino.HLP"):
        shutil.copy2(os.path.join(BUILD, "product", name), folder)
    with open(os.path.join(folder, "Lettrino.txt"), "w", encoding="ascii", newline="\r\n") as f:
        f.write("\n".join(DICTIONARY) + "\n")
    program = WineProgram(folder, "Lettrino.exe")
    program.start()
    try:
        main = save("Lettrino", "main-before-game")
        key("Return")
        save("Start Game", "start-game")
        key("Return")
        for word in ("sea", "plate", "tapes", "rattles", "spa", "trap"):
            type_text(word)
            key("Return")
        type_text("peat")  # formable, but not in the dictionary: the game asks
        key("Return")
        save("Lettrino", "add-word-question", skip={main})
        key("n")
        type_text("sta")
        save("Lettrino", "main-in-game")
        key("alt+q")
        save("Quit Game", "quit-game")
        key("Return")
        save("Lettrino", "main-after-quit")
        key("alt+a")
        save("About", "about")
        key("Return")
        key("alt+h")
        save("Lettrino Help", "help")
        key("Escape")
    finally:
        program.stop()
        shutil.rmtree(folder, ignore_errors=True)


def setup(cancelled):
    """Installs from a copy of the media; `cancelled`: with a large file first among
    the product's, whose copy is cancelled. The cancel waits for the file to be done,
    then the progress dialog stays up behind the confirmation, and the question whether
    to remove the copied file follows."""
    media = tempfile.mkdtemp(prefix="wine-shots-")
    product = os.path.join(BUILD, "product")
    for name in os.listdir(product):
        shutil.copy2(os.path.join(product, name), media)
    if cancelled:
        with open(os.path.join(media, "BIG.BIN"), "wb") as f:
            f.truncate(4 << 30)
        ini = os.path.join(media, "SETUP.INI")
        with open(ini, encoding="ascii", newline="") as f:
            text = f.read().replace("Files=4\r\n", "Files=5\r\nFile5=Lettrino.exe\r\n").replace(
                "File1=Lettrino.exe\r\n", "File1=BIG.BIN\r\n")
        with open(ini, "w", encoding="ascii", newline="") as f:
            f.write(text)
    program = WineProgram(media, "setup.exe")
    program.start()
    seen = set()

    def step(name, *keys):
        """Waits for the next new window of the installer, saves it unless `name` is
        None, and answers it with the keys."""
        wid = newest("Lettrino Setup", seen)
        seen.add(wid)
        if name and (not cancelled or name in ("setup-progress", "setup-confirm-cancel",
                                                 "setup-cancelled", "setup-removing", "setup-question")):
            save("Lettrino Setup", name, wid=wid)
        key(*keys)
        return wid

    try:
        step("setup-main", "alt+s")
        directory = step("setup-directory", "Return")
        wait_until("the directory dialog to close", lambda: directory not in windows())
        if cancelled:
            # Taken while the large file is copied; the cancel waits until it is done.
            step("setup-progress", "space")  # on Cancel, which has the focus
            step("setup-confirm-cancel", "Return")
            step("setup-cancelled", "Return")
            step("setup-removing", "Return")
            step("setup-question")
            return
        question = step("setup-shortcut-question", "n")
        wait_until("the question to close", lambda: question not in windows())
        installed = step("setup-installed", "Return")
        wait_until("the message to close", lambda: installed not in windows())
        step("setup-ready")
    finally:
        program.stop()
        shutil.rmtree(media, ignore_errors=True)
        # The next run finds no installation of this one's.
        shutil.rmtree(os.path.join(PREFIX, "drive_c/Games/Lettrino"), ignore_errors=True)
        user = os.path.join(PREFIX, "drive_c/users", pwd.getpwuid(os.getuid()).pw_name)
        for folder in ("AppData/Roaming/Microsoft/Windows/Start Menu/Programs", "Desktop"):
            link = os.path.join(user, folder, "Lettrino.lnk")
            if os.path.exists(link):
                os.remove(link)


os.makedirs(OUTPUT, exist_ok=True)
game()
setup(cancelled=False)
setup(cancelled=True)
