"""The word game on a real X server without a window manager, driven with real keys
and read through the accessibility bus."""
import collections
import os
import re
import unittest

from e2e import (BUILD, BUTTON, LABEL, LIST, TEXT, Program, find, find_all,
                 focused, key, label_after, names, press, text_of, type_text, wait_until)

FIND = "Find words from the letters of:"


def formable(word, puzzle):
    return word != puzzle and not collections.Counter(word) - collections.Counter(puzzle)


class GameTest(unittest.TestCase):
    def setUp(self):
        self.game = Program(os.path.join(BUILD, "bin"), "Lettrino", ["Lettrino", "Lettrino.txt"])
        self.addCleanup(self.game.stop)
        self.dictionary = os.path.join(self.game.dir, "Lettrino.txt")
        with open(self.dictionary, encoding="ascii") as file:
            self.words = set(file.read().split())
        self.game.start()
        self.main = self.game.window(FIND)
        self.start_button = find(self.main, BUTTON, "Start Game")
        self.word = find_all(self.main, TEXT)[0]
        self.found = find_all(self.main, LIST)[0]

    def close_start_game_dialog(self):
        """Reads the puzzle from the Start Game dialog, closes it with Enter and returns
        the puzzle word and its count of formable words."""
        dialog = self.game.active(self.game.window("At least"))
        puzzle, count = re.fullmatch(FIND + r"\n([A-Z]+)\n\nAt least (\d+) words can be found.",
                                     find_all(dialog, LABEL)[0].name).groups()
        key("Return")
        self.game.window("At least", gone=True)
        self.assertEqual(label_after(self.main, FIND).name, puzzle)
        return puzzle, int(count)

    def add_word(self, word):
        """Types the word into the focused Word field and presses Enter."""
        wait_until("the Word field to have the focus", lambda: focused(self.word))
        type_text(word.lower())  # the field upper-cases what it is given
        wait_until(f"the Word field to read {word}", lambda: text_of(self.word) == word)
        key("Return")

    def shortest_word(self, puzzle):
        return min(sorted(w for w in self.words if formable(w, puzzle)), key=len)

    def found_words(self):
        return sorted(child.name for child in self.found)

    def test_focus_is_on_start_game_at_start(self):
        wait_until("Start Game to report the focus", lambda: focused(self.start_button))

    def test_game_played_with_keys_counts_words_and_saves_the_new_one(self):
        self.game.give_focus("Lettrino")
        wait_until("Start Game to have the focus", lambda: focused(self.start_button))
        key("Return")
        puzzle, count = self.close_start_game_dialog()
        self.game.give_focus("Lettrino")
        known = self.shortest_word(puzzle)
        self.add_word(known)
        wait_until(f"{known} in the found list", lambda: self.found_words() == [known])
        self.assertEqual(text_of(self.word), "")

        unknown = next(w for w in (a + b + c for a in puzzle for b in puzzle for c in puzzle)
                       if formable(w, puzzle) and w not in self.words)
        self.add_word(unknown)
        box = self.game.active(self.game.window(f'Is "{unknown}" a valid word?'))
        press(find(box, BUTTON, "Yes"))
        wait_until(f"{unknown} in the found list",
                   lambda: self.found_words() == sorted([known, unknown]))
        self.assertEqual(label_after(self.main, "Average Score:").name,
                         f"Found 2 words from a maximum of {count} ({200 // count}%):")

        press(find(self.main, BUTTON, "Exit"))
        box = self.game.active(self.game.window("Save changes to dictionary?"))
        key("Return")  # Yes is the default button
        self.assertEqual(self.game.proc.wait(20), 0)
        with open(self.dictionary, encoding="ascii") as file:
            self.assertIn(unknown, file.read().split())
        self.assertTrue(os.path.exists(os.path.join(self.game.dir, "Lettrino.bak")))

    def test_enter_adds_a_word_after_start_game_pressed_by_a_screen_reader(self):
        # Nothing activates the window: Start Game is pressed while it is inactive.
        press(self.start_button)
        puzzle, _ = self.close_start_game_dialog()
        self.game.give_focus("Lettrino")
        word = self.shortest_word(puzzle)
        self.add_word(word)
        wait_until(f"Enter to add {word} to the found list", lambda: self.found_words() == [word])

    def test_controls_are_named_as_they_read(self):
        press(self.start_button)
        puzzle, count = self.close_start_game_dialog()
        score = f"Found 0 words from a maximum of {count} (0%):"
        expected = sorted(
            [("label", FIND), ("label", puzzle), ("label", "Average Score:"), ("label", score),
             ("text", "Word"), ("list", score)] + [("push button", c) for c in list(puzzle) + [
                "Add Word to List", "Clear", "Start Game", "Quit Game", "Help...", "About...",
                "Exit"]])
        self.assertEqual(names(self.main), expected)


if __name__ == "__main__":
    unittest.main()
