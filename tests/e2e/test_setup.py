"""The installer on a real X server without a window manager: installed with keys
alone and uninstalled with windows by the copy it keeps, cancelled with a real mouse
click during a large file, and read as a screen reader reads it."""
import fcntl
import filecmp
import os
import shutil
import signal
import unittest

from e2e import (BUILD, BUTTON, TIMEOUT, Program, find, key, names, press,
                 wait_until, xdotool)

PRODUCT = os.path.join(BUILD, "product")


class SetupTest(unittest.TestCase):
    def start(self, ini=None, files=()):
        """Starts setup from a copy of the product folder, with its own SETUP.INI and
        extra source files (name: size in bytes) when given."""
        self.setup = Program(PRODUCT, "setup", os.listdir(PRODUCT))
        self.addCleanup(self.setup.stop)
        if ini:
            with open(os.path.join(self.setup.dir, "SETUP.INI"), "w", encoding="ascii") as f:
                f.write(ini)
        for name, size in files:
            with open(os.path.join(self.setup.dir, name), "wb") as f:
                f.truncate(size)
        self.setup.start()
        return self.setup.window("Setup...")

    def answer(self, name, *keys):
        """Waits for the active window holding that name and answers it with keys."""
        self.setup.active(self.setup.window(name))
        key(*keys)
        self.setup.window(name, gone=True)

    def test_installed_with_the_keyboard_alone_and_uninstalled_by_its_copy(self):
        main = self.start()
        self.setup.give_focus("Lettrino Setup")
        key("alt+s")
        self.answer("Directory:", "Return")
        self.answer("Create desktop shortcut?", "Return")
        self.answer("was successfully installed", "Return")
        installed = os.path.join(self.setup.home, "Games", "Lettrino")
        for name in ("Lettrino", "Lettrino.txt", "Lettrino.HLP", "Lettrino.COPYING",
                     "Lettrino.png"):
            self.assertTrue(filecmp.cmp(os.path.join(PRODUCT, name),
                                        os.path.join(installed, name.upper()), shallow=False))
        self.assertTrue(os.path.isfile(os.path.join(
            self.setup.home, ".local", "share", "applications", "Lettrino.desktop")))
        # The copy the installation keeps finds its windows beside it, the media gone.
        self.answer("ready to play", "Return")
        press(find(main, BUTTON, "Exit"))
        self.setup.proc.wait(TIMEOUT)
        shutil.rmtree(self.setup.dir)
        self.setup.path = os.path.join(installed, "setup")
        self.setup.start("--uninstall")
        self.answer("Remove Lettrino Setup from C:\\Games\\Lettrino?", "Return")
        self.setup.active(self.setup.window("Lettrino Setup was removed from"))
        key("Return")  # the last window: the program ends with it
        self.assertEqual(self.setup.proc.wait(TIMEOUT), 0)
        self.assertFalse(os.path.exists(installed))

    def test_cancel_clicked_during_a_large_file_starts_no_further_file(self):
        files = [("BIG.BIN", 64 << 20), ("A.TXT", 1), ("B.TXT", 2), ("C.TXT", 3)]
        self.start("[Setup]\nName=Big\nCaption=Big Setup\nDefaultDirectory=Big\n"
                   "RequiredDiskSpace=1\n[Files]\nFiles=4\n" + "".join(
                       f"File{i}={name}\n" for i, (name, _) in enumerate(files, 1)), files)
        # A write lease holds the large file's copy at its start until the click is made:
        # the open that breaks it waits for the lease to be given up.
        broken = []
        signal.signal(signal.SIGIO, lambda *_: broken.append(True))
        held = os.open(os.path.join(self.setup.dir, "BIG.BIN"), os.O_RDONLY)
        fcntl.fcntl(held, fcntl.F_SETLEASE, fcntl.F_WRLCK)
        main = self.setup.window("Setup...")
        press(find(main, BUTTON, "Setup..."))
        self.answer("Directory:", "Return")
        wait_until("the large file to be opened", lambda: broken)
        # The program waits in that open, so the accessibility bus cannot answer: the
        # click goes to the middle of Cancel as the progress window's layout places it
        # (x 54 + 29/2 of 137, y 40 + 17/2 of 65), the topmost window being that one.
        window = wait_until("the progress window", lambda: (lambda ids: ids[-1] if len(
            ids) == 2 else None)(xdotool("search", "--onlyvisible", "--pid",
                                         str(self.setup.proc.pid), "--name", "^Big Setup$").split()))
        box = dict(line.split("=") for line in xdotool("getwindowgeometry", "--shell", window)
                   .split())
        x = int(box["X"]) + int(box["WIDTH"]) * 137 // 274
        y = int(box["Y"]) + int(box["HEIGHT"]) * 97 // 130
        xdotool("mousemove", "--sync", str(x), str(y), "click", "1")
        fcntl.fcntl(held, fcntl.F_SETLEASE, fcntl.F_UNLCK)
        os.close(held)

        confirm = self.setup.active(self.setup.window("Are you sure you want to cancel?"))
        press(find(confirm, BUTTON, "Yes"))
        self.answer("Setup cancelled by user.", "Return")
        target = os.path.join(self.setup.home, "Big")
        # The run's journal stays beside its files until the rollback is done.
        self.assertEqual(sorted(os.listdir(target)), [".~setup-journal", "BIG.BIN"])
        self.assertEqual(os.path.getsize(os.path.join(target, "BIG.BIN")), 64 << 20)
        self.answer("Setup will now remove", "Return")
        question = self.setup.active(self.setup.window("Yes to All"))
        press(find(question, BUTTON, "Yes to All"))
        self.answer("Remove directory", "Return")
        self.assertFalse(os.path.exists(target))

    def test_controls_are_named_as_they_read(self):
        text, prompt = "Fish & Chips, R&D: a product", "Setup installs Fish & Chips here."
        main = self.start(f"[Setup]\nCaption=F&C Setup\nMainDialogText={text}\n"
                          f"DefaultDirectory=R&D\nDirectoryPrompt={prompt}\n"
                          "RequiredDiskSpace=1\n[Files]\nFiles=2\nFile1=FISH.TXT\n"
                          "File2=MISSING.TXT\n", files=[("FISH.TXT", 10)])
        self.assertEqual(names(main), sorted([("label", text)] + buttons(
            "Description...", "Requirements...", "Setup...", "Exit")))
        press(find(main, BUTTON, "Setup..."))
        directory = self.setup.window("OK")
        self.assertEqual(names(directory), sorted(
            [("label", prompt), ("label", "Directory:"), ("combo box", "Directory:"),
             ("text", "Directory:")] + buttons("OK", "Cancel")))
        press(find(directory, BUTTON, "OK"))
        # The missing file fails while the progress window is open; the rollback then
        # asks about the one file written before it.
        error = self.setup.window("Error:  Cannot copy file")
        progress = next(w for w in self.setup.app() if w.name == "F&C Setup" and any(
            c.name == "Cancel" for c in w) and not any(c.name == "Setup..." for c in w))
        self.assertEqual(names(progress),
                         sorted([("label", "Copying file 2 of 2...")] + buttons("Cancel")))
        press(find(error, BUTTON, "OK"))
        self.answer("Error:  Could not copy files", "Return")
        self.answer("Setup will now remove", "Return")
        question = self.setup.window("Yes to All")
        self.assertEqual(names(question), sorted([("label", "Remove C:\\R&D\\FISH.TXT?")]
                                                  + buttons("Yes", "No", "Yes to All")))


def buttons(*captions):
    return [("push button", caption) for caption in captions]

if __name__ == "__main__":
    unittest.main()
