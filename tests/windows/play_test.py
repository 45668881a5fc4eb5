#!/usr/bin/python3
# The Windows game as a player gets it: the zip unpacked into a fresh folder whose name is
# Chinese, started with Wine on a virtual X display with a window manager, and played with
# real key presses. Screenshots of what it showed go to $GAME_SCREENSHOTS when that is set.
#
# Run with WINEPREFIX naming a prepared Wine prefix: play_test.py GAME.zip

import os
import shutil
import subprocess
import sys
import tempfile
import time
import unittest
import zipfile

ZIP = sys.argv[1]
TITLE = "都市货郎记"
MESSAGES = ("北京新闻", "我在北京的岁月")
SCREENSHOTS = os.environ.get("GAME_SCREENSHOTS")
helpers = []

# A list as the Linux build writes it, with GBK names (小vu, 货郎) among plain ones.
SEEDED_LIST = b"".join(
    name + b"\r\n" + str(money).encode() + b"\r\n" + str(health).encode() + b"\r\n"
    for name, money, health in [
        ("小vu".encode("gbk"), 900000000, 100), (b"zuv", 12500720, 98), ("货郎".encode("gbk"), 830050, -5),
        (b"vu", 500447, 78), (b"Kent Mossy", 239403, 97), (b"tao lin", 34900, 35), (b"tao lin", 13400, 100),
        (b"tao ", 2300, 77), (b"tao ", 45, 12), (b"tao", 34, 100)])


def start_helper(arguments, **options):
    helper = subprocess.Popen(arguments, **options)
    helpers.append(helper)
    return helper


def setUpModule():
    for tool in ("Xvfb", "openbox", "xdotool", "import", "wine"):
        if not shutil.which(tool):
            raise RuntimeError(tool + " is missing (tools/install-deps.sh windows installs it)")
    # -r: no key autorepeat, which on a busy machine turns one late-released key into many.
    server = start_helper(["Xvfb", "-displayfd", "1", "-r", "-screen", "0", "1600x1200x24", "-nolisten", "tcp"],
                          stdout=subprocess.PIPE)
    os.environ["DISPLAY"] = ":" + server.stdout.readline().decode().strip()
    # A window manager without key bindings of its own: Alt+Space is Windows' system menu.
    folder = tempfile.mkdtemp()
    config = os.path.join(folder, "rc.xml")
    with open(config, "w") as rc:
        rc.write('<openbox_config xmlns="http://openbox.org/3.4/rc"><keyboard/><mouse/></openbox_config>')
    ready = os.path.join(folder, "ready")
    start_helper(["openbox", "--config-file", config, "--startup", "touch " + ready])
    end = time.monotonic() + 20
    while not os.path.exists(ready) and time.monotonic() < end:
        time.sleep(0.05)


def tearDownModule():
    # The suites that run after this one in the same prefix draw at the default 96 DPI.
    set_dpi(96)
    for helper in reversed(helpers):
        helper.terminate()
        helper.wait()


def xdotool(*arguments):
    return subprocess.run(["xdotool", *arguments], capture_output=True, text=True, timeout=30).stdout.strip()


def set_dpi(dpi):
    subprocess.run(["wine", "reg", "add", r"HKCU\Control Panel\Desktop", "/v", "LogPixels", "/t", "REG_DWORD",
                    "/d", str(dpi), "/f"], capture_output=True, check=True, timeout=60)


class Game:
    """One copy of the game, unpacked from the zip into a fresh folder with a Chinese name."""

    def __init__(self, test, dpi):
        self.test = test
        self.dpi = dpi
        self.root = tempfile.mkdtemp()
        with zipfile.ZipFile(ZIP) as archive:
            archive.extractall(self.root)
        (unpacked,) = os.listdir(self.root)
        self.folder = os.path.join(self.root, "货郎 游戏")
        os.rename(os.path.join(self.root, unpacked), self.folder)
        self.program = None
        self.start_screen = None

    def path(self, name):
        return os.path.join(self.folder, name)

    def start(self, first_window=TITLE):
        set_dpi(self.dpi)
        environment = dict(os.environ)
        # Only what the folder itself holds: no DLL from anywhere else.
        environment.pop("WINEPATH", None)
        self.program = subprocess.Popen(["wine", self.path("dushihuolang.exe")], cwd=self.root, env=environment,
                                        stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        self.test.assertTrue(self.wait_for(lambda name, _: name == first_window, 60), first_window + " did not open")
        self.start_screen = xdotool("search", "--onlyvisible", "--name", "^" + TITLE + "$").split("\n")[0]

    def focused(self):
        """The window that has the keyboard: (name, id), or ("", "") when none."""
        window = xdotool("getwindowfocus")
        return (xdotool("getwindowname", window), window) if window else ("", "")

    def wait_for(self, wanted, timeout=15):
        end = time.monotonic() + timeout
        while time.monotonic() < end:
            name, window = self.focused()
            if window and wanted(name, window):
                return window
            time.sleep(0.1)
        return None

    def wait_for_name(self, title, timeout=15):
        return self.wait_for(lambda name, _: name == title, timeout)

    def keys(self, *keys):
        xdotool("key", "--delay", "120", *keys)

    def screenshot(self, label):
        if SCREENSHOTS:
            os.makedirs(SCREENSHOTS, exist_ok=True)
            subprocess.run(["import", "-window", "root", os.path.join(SCREENSHOTS, "%s-%d.png" % (label, self.dpi))],
                           check=False, timeout=30)

    def close_messages(self, game_window):
        """Closes the day's messages with Enter until the game window has the keyboard again."""
        for _ in range(12):
            window = self.wait_for(lambda name, w: w == game_window or name in MESSAGES or w == self.start_screen)
            if window == game_window or window == self.start_screen:
                return window
            self.keys("Return")
            self.wait_for(lambda _, w: w != window, 5)
        return None

    def enter_game(self):
        """Enter on the start screen, the welcome news closed: the game window's id."""
        self.keys("Return")
        self.test.assertTrue(self.wait_for_name("北京新闻"), "no welcome news")
        self.screenshot("welcome")
        self.keys("Return")
        window = self.wait_for(lambda name, w: name == TITLE and w != self.start_screen)
        self.test.assertTrue(window, "the game window did not get the keyboard")
        return window

    def leave(self, game_window):
        """A click on the leave button, at the middle of its place in the window's template."""
        geometry = dict(line.split("=") for line in xdotool("getwindowgeometry", "--shell", game_window).splitlines())
        # The button's middle in dialog units (275 + 70 / 2, 324 + 26 / 2) of the 412 x 383 window.
        x = int(geometry["X"]) + int(geometry["WIDTH"]) * 310 // 412
        y = int(geometry["Y"]) + int(geometry["HEIGHT"]) * 337 // 383
        xdotool("mousemove", str(x), str(y))
        time.sleep(0.3)
        xdotool("click", "1")
        self.test.assertTrue(self.wait_for(lambda _, w: w != game_window), "leaving did not close the game window")

    def back_to_start(self):
        self.test.assertTrue(self.wait_for(lambda _, w: w == self.start_screen), "the start screen did not come back")

    def press_list_button(self):
        """From the name box: past start, quit and about, to the list's button."""
        self.keys("Tab", "Tab", "Tab", "Tab", "space")

    def end(self, timeout=30):
        try:
            return self.program.wait(timeout)
        except subprocess.TimeoutExpired:
            self.program.kill()
            return None

    def finish(self):
        if self.program and self.program.poll() is None:
            self.program.kill()
            self.program.wait()
        shutil.rmtree(self.root, ignore_errors=True)


class WindowsGame(unittest.TestCase):
    def test_a_game_with_rides_a_purchase_and_the_list_at_96_dpi(self):
        game = Game(self, 96)
        self.addCleanup(game.finish)
        with open(game.path("score.txt"), "wb") as stored:
            stored.write(SEEDED_LIST)
        game.start()
        game.screenshot("start-screen")
        window = game.enter_game()
        game.screenshot("game-window")

        # From the leave button, the first station is the tenth tab stop; three rides.
        game.keys(*["Tab"] * 9)
        for ride in range(3):
            game.keys("space")
            time.sleep(1)
            self.assertEqual(game.close_messages(window), window, "ride %d did not come back to the game" % ride)
        game.screenshot("after-rides")

        # To the market list, and the first row the cash can buy, through the buy button.
        game.keys(*["shift+Tab"] * 8, "Home")
        bought = False
        for row in range(7):
            game.keys("Tab", "Tab", "space")
            asked = game.wait_for(lambda name, w: w != window, 5)
            name, _ = game.focused()
            if name == "买多少？":
                game.screenshot("buy-quantity")
                game.keys("Return")
                bought = game.wait_for(lambda _, w: w == window, 10) is not None
                break
            if asked:
                game.close_messages(window)
            game.keys("shift+Tab", "shift+Tab", "Down")
        self.assertTrue(bought, "no row could be bought")
        game.screenshot("after-purchase")
        game.leave(window)

        # The result: sent home, or on the list.
        ending = game.wait_for(lambda name, w: name in ("北京新闻", "高手榜"))
        self.assertTrue(ending, "no end-of-game message or list")
        game.screenshot("end-of-game")
        game.keys("Return")
        game.back_to_start()

        # The system menu carries the about item last.
        game.keys("alt+space")
        time.sleep(1.5)
        game.screenshot("system-menu")
        game.keys("Up", "Return")
        self.assertTrue(game.wait_for_name("关于都市货郎记"), "the system menu's last item did not open the about box")
        game.screenshot("about-box")
        game.keys("Return")
        game.back_to_start()

        game.press_list_button()
        self.assertTrue(game.wait_for_name("高手榜"), "the list did not open")
        game.screenshot("high-score-list")
        game.keys("Return")
        game.back_to_start()
        game.keys("Escape")
        self.assertEqual(game.end(), 0)

        # Beside the program, byte for byte as the Linux build writes it: GBK names kept, at
        # most one result added.
        with open(game.path("score.txt"), "rb") as stored:
            saved = stored.read()
        lines = saved.split(b"\r\n")
        self.assertEqual(len(lines), 31, saved)
        self.assertEqual(lines[-1], b"")
        records = [b"\r\n".join(lines[i:i + 3]) + b"\r\n" for i in range(0, 30, 3)]
        seeded = [b"\r\n".join(SEEDED_LIST.split(b"\r\n")[i:i + 3]) + b"\r\n" for i in range(0, 30, 3)]
        added = [record for record in records if record not in seeded]
        self.assertLessEqual(len(added), 1, saved)
        for record in added:
            self.assertTrue(record.startswith("小vu".encode("gbk") + b"\r\n"), record)
        self.assertEqual([record for record in records if record in seeded], seeded[:10 - len(added)])
        # Beside it only the list's lock, which keeps two copies from saving at once.
        self.assertEqual(sorted(n for n in os.listdir(game.folder) if n.startswith("score")),
                         ["score.txt", "score.txt.lock"])

    def test_at_144_dpi_a_list_that_cannot_be_written_ends_with_minus_one(self):
        game = Game(self, 144)
        self.addCleanup(game.finish)
        # A folder in the list's place: nobody can write the list there.
        os.mkdir(game.path("score.txt"))
        game.start()
        game.screenshot("start-screen")
        window = game.enter_game()
        game.screenshot("game-window")
        game.leave(window)
        # Sent home: nothing is written; then the list, from the start screen.
        self.assertTrue(game.wait_for_name("北京新闻"), "no sent-home news")
        game.screenshot("sent-home")
        game.keys("Return")
        game.back_to_start()
        game.press_list_button()
        self.assertTrue(game.wait_for_name("dushihuolang"), "no message box captioned with the program's name")
        game.screenshot("cannot-write")
        game.keys("Return")
        self.assertEqual(game.end(), 255)
        self.assertTrue(os.path.isdir(game.path("score.txt")))


    def test_a_killed_game_goes_on_and_the_end_of_the_session_scores_nothing(self):
        game = Game(self, 96)
        self.addCleanup(game.finish)
        game.start()
        window = game.enter_game()
        game.keys(*["Tab"] * 9, "space")
        time.sleep(1)
        self.assertEqual(game.close_messages(window), window, "the ride did not come back to the game")
        with open(game.path("savedgame.txt"), "rb") as kept:
            ridden = kept.read()
        self.assertIn(b"\ndays-left 39\n", ridden)

        # Killed as a crash kills it; the next start asks, and yes opens the window as it stood.
        game.program.kill()
        game.program.wait()
        game.start("上次的游戏")
        game.screenshot("resume-question")
        game.keys("Return")
        window = game.wait_for(lambda name, w: name == TITLE and w != game.start_screen)
        self.assertTrue(window, "the game window did not open again")
        game.screenshot("resumed-window")

        # The session ends: the process goes at once, with no dialog, and the game stays kept.
        subprocess.run(["wineboot", "--end-session", "--force"], capture_output=True, timeout=60)
        self.assertEqual(game.end(20), 0)
        with open(game.path("savedgame.txt"), "rb") as kept:
            self.assertEqual(kept.read(), ridden)
        self.assertFalse(os.path.exists(game.path("score.txt")))


if __name__ == "__main__":
    unittest.main(argv=sys.argv[:1], verbosity=2)
