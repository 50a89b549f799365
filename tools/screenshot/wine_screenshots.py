"""Renders every dialog of both Windows programs, as Wine shows them in its virtual
desktop, to PNG files: the programs run from the Windows build's product folder and are
walked through their dialogs with keys; each window is read off the X server.

    scripts/with-display.sh python3 tools/screenshot/wine_screenshots.py \\
        <Windows build folder> <Wine prefix> <output folder>

The progress dialog of the installer is not among them: it goes before it can be
taken. The game draws SPLATTER, the only long word of the dictionary it is given, so the
pictures come out the same every time."""
import os
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


def save(title, name, skip=()):
    """Saves the newest window of that title (not one of `skip`) as <name>.png."""
    wid = wait_until(f"a window titled {title!r}", lambda: next(
        (w for w, t in reversed(list(windows().items())) if t == title and w not in skip), None))
    time.sleep(0.5)  # the window paints once it is mapped
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


def setup():
    media = tempfile.mkdtemp(prefix="wine-shots-")
    product = os.path.join(BUILD, "product")
    for name in os.listdir(product):
        shutil.copy2(os.path.join(product, name), media)
    program = WineProgram(media, "setup.exe")
    program.start()
    try:
        main = save("Lettrino Setup", "setup-main")
        key("alt+s")
        directory = save("Lettrino Setup", "setup-directory", skip={main})
        key("Return")
        wait_until("the directory dialog to close", lambda: directory not in windows())
        question = save("Lettrino Setup", "setup-shortcut-question", skip={main})
        key("n")
        wait_until("the question to close", lambda: question not in windows())
        # The progress dialog of a copy this small is gone before it can be taken.
        installed = save("Lettrino Setup", "setup-installed", skip={main})
        key("Return")
        wait_until("the message to close", lambda: installed not in windows())
        save("Lettrino Setup", "setup-ready", skip={main})
    finally:
        program.stop()
        shutil.rmtree(media, ignore_errors=True)
        shutil.rmtree(os.path.join(PREFIX, "drive_c/Games/Lettrino"), ignore_errors=True)


os.makedirs(OUTPUT, exist_ok=True)
game()
setup()
