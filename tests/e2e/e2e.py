"""What the real-display tests share: start a built program in a temporary home, find
its windows and controls as a screen reader does, wait for a condition with a timeout,
and send real key and mouse events through XTest."""
import os
import shutil
import subprocess
import tempfile
import time

import pyatspi

BUILD = os.environ.get("E2E_BUILD_DIR", os.path.join(os.path.dirname(__file__), "../../build"))
TIMEOUT = 20.0  # generous: a busy two-core machine runs other builds beside the suite

LABEL, TEXT, LIST, COMBO, BUTTON = (pyatspi.ROLE_LABEL, pyatspi.ROLE_TEXT, pyatspi.ROLE_LIST,
                                    pyatspi.ROLE_COMBO_BOX, pyatspi.ROLE_PUSH_BUTTON)


def wait_until(what, probe, timeout=TIMEOUT):
    """Returns probe()'s first true result; fails when none comes within the timeout."""
    deadline = time.monotonic() + timeout
    while True:
        try:
            result = probe()
        except Exception:  # an object that went away while it was being read: look again
            result = None
        if result:
            return result
        if time.monotonic() > deadline:
            raise AssertionError(f"timed out after {timeout:.0f} s waiting for {what}")
        time.sleep(0.05)


def xdotool(*args):
    return subprocess.run(["xdotool", *args], check=True, timeout=TIMEOUT,
                          capture_output=True, text=True).stdout


def key(*names):
    xdotool("key", "--delay", "40", *names)


def type_text(text):
    xdotool("type", "--delay", "80", text)


def press(acc):
    """Presses a control through its accessibility action, as a screen reader does."""
    acc.queryAction().doAction(0)


def text_of(acc):
    return acc.queryText().getText(0, -1)


def has(acc, state):
    return acc.getState().contains(state)


def focused(acc):
    return has(acc, pyatspi.STATE_FOCUSED)


def descendants(acc):
    for child in acc:
        if child is not None:
            yield child
            yield from descendants(child)


def find_all(root, role):
    return [acc for acc in descendants(root) if acc.getRole() == role]


def find(root, role, name):
    return wait_until(f"a {pyatspi.Role(role)} named {name!r}",
                      lambda: next((a for a in find_all(root, role) if a.name == name), None))


def names(window):
    """The (role, name) of every showing label, field, list and button of the window."""
    return sorted((c.getRoleName(), label_of(c) if c.getRole() == COMBO else c.name)
                  for c in window if c.getRole() in (LABEL, TEXT, LIST, COMBO, BUTTON)
                  and has(c, pyatspi.STATE_SHOWING))


def label_of(acc):
    """The name of the control that labels this one. Qt on Linux names a drop-down list
    by its selection and gives its label through this relation, which screen readers
    announce with it."""
    return next((r.getTarget(0).name for r in acc.getRelationSet()
                 if r.getRelationType() == pyatspi.RELATION_LABELLED_BY), None)


def label_after(window, name):
    """The label that follows, in tab order, the label of that name."""
    labels = find_all(window, LABEL)
    return next(labels[i + 1] for i, label in enumerate(labels) if label.name == name)


class Program:
    """A built program started from a copy in a temporary folder, with that folder as
    HOME (drive C:) and its own XDG data folder."""

    def __init__(self, source_dir, program, files):
        self.home = tempfile.mkdtemp(prefix="e2e-")
        self.dir = os.path.join(self.home, "from")
        os.makedirs(self.dir)
        for name in files:
            shutil.copy2(os.path.join(source_dir, name), self.dir)
        self.path = os.path.join(self.dir, program)
        self.proc = None

    def start(self, *args):
        env = dict(os.environ, HOME=self.home,
                   XDG_DATA_HOME=os.path.join(self.home, ".local/share"))
        self.proc = subprocess.Popen([self.path, *args], env=env, cwd=self.home)

    def stop(self):
        if self.proc and self.proc.poll() is None:
            self.proc.terminate()
            try:
                self.proc.wait(TIMEOUT)
            except subprocess.TimeoutExpired:
                self.proc.kill()
                self.proc.wait()
        shutil.rmtree(self.home, ignore_errors=True)

    def app(self):
        desktop = pyatspi.Registry.getDesktop(0)
        return next(a for a in desktop if a is not None and a.get_process_id() == self.proc.pid)

    def window(self, name, gone=False):
        """Waits for the showing top-level window that holds a control whose name contains
        that text (or, with gone, for it to close) and returns it."""
        def probe():
            for window in self.app():
                if has(window, pyatspi.STATE_SHOWING) and any(
                        name in acc.name for acc in descendants(window)):
                    return None if gone else window
            return gone
        return wait_until(f"window with {name!r}" + (" to close" if gone else ""), probe)

    def active(self, window):
        """Waits until the window is the active one, so that keys reach it."""
        wait_until(f"window {window.name!r} to be active",
                   lambda: has(window, pyatspi.STATE_ACTIVE))
        return window

    def give_focus(self, title):
        """Gives the program's visible window of that title the X input focus, as a
        click on it would, without a window manager to do it."""
        wid = wait_until(f"X window {title!r}", lambda: xdotool(
            "search", "--onlyvisible", "--pid", str(self.proc.pid), "--name", f"^{title}$"
        ).split()[-1])
        xdotool("windowfocus", "--sync", wid)
