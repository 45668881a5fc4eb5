#!/usr/bin/python3
# The game as a blind player's screen reader gets it: the real program on a virtual X display
# with a window manager, on a real accessibility bus, read through the bus with the client
# library screen readers use and driven with real key presses.
#
# Run inside a session bus of its own: dbus-run-session -- screen_reader_test.py GAME TIPS

import os
import shutil
import subprocess
import sys
import tempfile
import time
import unittest
import warnings

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi, Gio, GLib  # noqa: E402

# Orca 43 still reads words with the call the library now calls deprecated.
warnings.filterwarnings("ignore", category=DeprecationWarning)

GAME, TIPS = sys.argv[1], sys.argv[2]
BUS_LAUNCHER = "/usr/libexec/at-spi-bus-launcher"
helpers = []


def start_helper(arguments, **options):
    helper = subprocess.Popen(arguments, **options)
    helpers.append(helper)
    return helper


def setUpModule():
    for tool in ("Xvfb", "openbox", "xdotool", BUS_LAUNCHER):
        if not shutil.which(tool):
            raise RuntimeError(tool + " is missing (tools/install-deps.sh installs it)")
    # -displayfd picks a free display and tells us its number; -r: no key autorepeat, which on
    # a busy machine turns one late-released key into many.
    server = start_helper(["Xvfb", "-displayfd", "1", "-r", "-screen", "0", "1024x768x24", "-nolisten", "tcp"],
                          stdout=subprocess.PIPE)
    os.environ["DISPLAY"] = ":" + server.stdout.readline().decode().strip()
    ready = os.path.join(tempfile.mkdtemp(), "ready")
    start_helper(["openbox", "--startup", "touch " + ready])
    end = time.monotonic() + 20
    while not os.path.exists(ready) and time.monotonic() < end:
        time.sleep(0.05)
    start_helper([BUS_LAUNCHER, "--launch-immediately"])
    Atspi.set_timeout(3000, 15000)
    Atspi.init()


def tearDownModule():
    for helper in reversed(helpers):
        helper.terminate()
        helper.wait()


def pump(seconds=0.0):
    """Lets the bus's messages and events in, for at least `seconds`."""
    end = time.monotonic() + seconds
    context = GLib.MainContext.default()
    while True:
        while context.iteration(False):
            pass
        if time.monotonic() >= end:
            return
        time.sleep(0.02)


def wait_for(find, timeout=15.0):
    end = time.monotonic() + timeout
    while time.monotonic() < end:
        try:
            found = find()
        except GLib.Error:
            found = None
        if found:
            return found
        pump(0.05)
    return None


def descendants(accessible):
    for index in range(accessible.get_child_count()):
        child = accessible.get_child_at_index(index)
        if child is None:
            continue
        yield child
        yield from descendants(child)


def keys(*names):
    subprocess.run(["xdotool", "key", "--delay", "80", *names], check=True)
    pump(0.2)


def text_of(accessible):
    return accessible.get_text(0, accessible.get_character_count())


class ScreenReaderTest(unittest.TestCase):
    def setUp(self):
        self.folder = tempfile.mkdtemp()
        shutil.copy(GAME, self.folder)
        shutil.copy(TIPS, self.folder)
        environment = dict(os.environ, QT_QPA_PLATFORM="xcb", LC_ALL="C.UTF-8",
                           QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")
        self.game = subprocess.Popen([os.path.join(self.folder, os.path.basename(GAME))], cwd=self.folder,
                                     env=environment, stderr=subprocess.PIPE)
        self.application = wait_for(self.find_application)
        self.assertIsNotNone(self.application, "the game never showed up on the accessibility bus")
        self.focus = []
        self.focus_listener = Atspi.EventListener.new(
            lambda event: self.focus.append(event.source) if event.detail1 else None)
        self.focus_listener.register("object:state-changed:focused")

    def tearDown(self):
        self.focus_listener.deregister("object:state-changed:focused")
        self.game.kill()
        self.game.wait()
        self.game.stderr.close()
        shutil.rmtree(self.folder)

    def find_application(self):
        desktop = Atspi.get_desktop(0)
        for index in range(desktop.get_child_count()):
            application = desktop.get_child_at_index(index)
            if application is not None and application.get_process_id() == self.game.pid:
                return application
        return None

    def active_window(self, title):
        """Waits until the window called `title` is the active one."""
        def active():
            for index in range(self.application.get_child_count()):
                window = self.application.get_child_at_index(index)
                if (window is not None and window.get_name() == title
                        and window.get_state_set().contains(Atspi.StateType.ACTIVE)):
                    return window
            return None
        window = wait_for(active)
        self.assertIsNotNone(window, "no active window " + title)
        return window

    def control(self, window, name, role=None, interface=None):
        for accessible in descendants(window):
            if (accessible.get_name() == name and (role is None or accessible.get_role() == role)
                    and (interface is None or interface in accessible.get_interfaces())):
                return accessible
        self.fail("no control named %s in %s" % (name, window.get_name()))

    def focused(self):
        """What a screen reader is on: the last object the bus said took the focus."""
        pump(0.3)
        self.assertTrue(self.focus, "nothing took the focus")
        return self.focus[-1]

    def name_field(self):
        start = self.active_window("都市货郎记")
        return wait_for(lambda: next((a for a in descendants(start)
                                      if a.get_state_set().contains(Atspi.StateType.FOCUSED)), None))

    def enter_game(self):
        """From the start screen through the welcome: what the welcome said, and the game window."""
        self.active_window("都市货郎记")
        keys("Return")
        welcome = self.active_window("北京新闻").get_description()
        keys("Return")
        return welcome, self.active_window("都市货郎记")

    def display(self, window, name):
        display = self.control(window, name, Atspi.Role.LABEL, "Value")
        return text_of(display), display.get_current_value()

    def close_messages(self):
        """The day's messages, each spoken as it opens, closed until the game window is back;
        how many there were."""
        count = 0
        while True:
            message = wait_for(lambda: next((w for w in [self.application.get_child_at_index(i)
                                                         for i in range(self.application.get_child_count())]
                                             if w is not None and w.get_name() in ("北京新闻", "我在北京的岁月")
                                             and w.get_state_set().contains(Atspi.StateType.ACTIVE)), None),
                               timeout=1.5)
            if message is None:
                break
            self.assertTrue(message.get_description(), "a message of the day is silent")
            keys("Return")
            count += 1
        self.active_window("都市货郎记")
        return count

    def test_1_the_name_field_and_the_welcome(self):
        self.assertEqual(self.name_field().get_name(), "输入您的大名：", "the name field has the focus, named")
        welcome, _ = self.enter_game()
        self.assertEqual(welcome, "雄心勃勃的小vu来到了北京!发财是唯一的目标!",
                         "the welcome is spoken as its dialog opens")

    def test_2_the_figures_and_the_names_of_the_game_window(self):
        _, game = self.enter_game()
        figures = {name: self.display(game, name) for name in ("现 金", "存款：", "欠 债", "健康：")}
        self.assertEqual(figures, {"现 金": ("2000", 2000), "存款：": ("0", 0), "欠 债": ("5400", 5400),
                                   "健康：": ("100", 100)})
        self.control(game, "地铁门口的黑市", Atspi.Role.TREE)
        self.control(game, "您的出租屋里", Atspi.Role.TREE)
        self.control(game, "买进", Atspi.Role.PUSH_BUTTON)
        self.control(game, "卖出", Atspi.Role.PUSH_BUTTON)
        for accessible in descendants(game):
            if accessible.get_name() in ("==>>", "<<=="):
                self.assertFalse(accessible.get_state_set().contains(Atspi.StateType.FOCUSABLE),
                                 "a button that is never shown is offered to the keyboard")

    def test_3_a_purchase_and_a_ride_are_heard(self):
        _, game = self.enter_game()
        changes = []
        listener = Atspi.EventListener.new(lambda event: changes.append((event.type, event.source.get_name())))
        for kind in ("object:property-change:accessible-value", "object:text-changed", "object:children-changed"):
            listener.register(kind)
            self.addCleanup(listener.deregister, kind)
        pump(0.5)

        # The cheapest goods of the day, from the list's cells as the bus gives them.
        market = self.control(game, "地铁门口的黑市", Atspi.Role.TREE)
        prices = [int(market.get_accessible_at(row, 1).get_name().split()[-1]) for row in range(market.get_n_rows())]
        cheapest = prices.index(min(prices))
        keys("Tab")
        row = self.focused()
        self.assertEqual(row.get_parent().get_name(), "地铁门口的黑市", "the focus goes to a row of the market")
        self.assertEqual(market.get_accessible_at(0, 1).get_name(), "黑市价格 %d" % prices[0],
                         "a price reads with its column's title")
        keys(*["Down"] * cheapest, "space", "Tab", "Tab", "Return")
        question = self.active_window("买多少？")
        self.assertRegex(question.get_description(), r"^您的现金是 2000元人民币,最多可以买\d+个.+。 您想买多少？$",
                         "the question with its limit is spoken as its dialog opens")
        self.control(question, "您想买多少？", Atspi.Role.TEXT)
        keys("Return")
        self.active_window("都市货郎记")
        pump(0.5)
        self.assertIn(("object:property-change:accessible-value", "现 金"), changes, "the purchase is heard")
        self.assertIn(("object:children-changed:add", "您的出租屋里"), changes, "the room's new row is heard")

        for _ in range(12):
            if self.focused().get_name() == "苹果园":
                break
            keys("Tab")
        keys("space")
        self.close_messages()
        pump(0.5)
        debt, value = self.display(game, "欠 债")
        self.assertNotEqual(debt, "5400", "the debt grows over a day")
        self.assertEqual(value, int(debt))
        self.assertIn(("object:property-change:accessible-value", "欠 债"), changes, "the ride is heard")
        self.assertIn(("object:text-changed:insert", "欠 债"), changes)

    def test_6_every_ride_tells_the_new_day_and_the_market_reads_as_today(self):
        _, game = self.enter_game()
        # A reader speaks a notification as it shows, after the window around it.
        notes = []
        listener = Atspi.EventListener.new(lambda event: notes.append(event.source.get_parent().get_description())
                                           if event.detail1 and event.source.get_role() == Atspi.Role.NOTIFICATION
                                           else None)
        listener.register("object:state-changed:showing")
        self.addCleanup(listener.deregister, "object:state-changed:showing")
        market = self.control(game, "地铁门口的黑市", Atspi.Role.TREE)
        for _ in range(12):
            if self.focused().get_name() == "苹果园":
                break
            keys("Tab")
        station = self.focused()
        quiet_rides = 0
        for day in range(1, 9):
            notes.clear()
            keys("space")
            spoke = self.close_messages()
            pump(0.5)
            # After a message the window comes back with the day as its description.
            self.assertEqual(notes, [] if spoke else ["都市货郎(%d/40天)" % day], "day %d" % day)
            self.assertTrue(station.get_state_set().contains(Atspi.StateType.FOCUSED), "the focus left the station")
            quiet_rides += not spoke

            # The list as a reader walks it, cell by cell under the column titles, is today's market.
            columns = market.get_n_columns()
            cells = [market.get_child_at_index(i).get_name() for i in range(market.get_child_count())][columns:]
            with open(os.path.join(self.folder, "savedgame.txt")) as kept:
                offers = [line.split()[2] for line in kept if line.startswith("offer ")]
            self.assertEqual([cell.split()[-1] for cell in cells[1::columns]], offers, "day %d" % day)
        self.assertGreater(quiet_rides, 0, "eight rides and not one without a message")

    def still_answering(self):
        time.sleep(0.5)
        self.assertIsNone(self.game.poll(), "the game ended")
        self.assertEqual(self.name_field().get_name(), "输入您的大名：", "the game still answers the bus")

    def test_4_word_by_word_reading_to_the_end_of_the_name(self):
        name_field = self.name_field()
        length = name_field.get_character_count()
        self.assertEqual(text_of(name_field), "小vu")
        # The word the caret stands after at the end of the text, as Orca asks for it.
        word = name_field.get_text_at_offset(length, Atspi.TextBoundaryType.WORD_START)
        self.assertEqual((word.content, word.end_offset), ("vu", length))
        self.still_answering()

    def test_5_all_properties_at_once(self):
        name_field = self.name_field()
        session = Gio.bus_get_sync(Gio.BusType.SESSION)
        address = session.call_sync("org.a11y.Bus", "/org/a11y/bus", "org.a11y.Bus", "GetAddress", None,
                                    GLib.VariantType("(s)"), Gio.DBusCallFlags.NONE, 3000).unpack()[0]
        bus = Gio.DBusConnection.new_for_address_sync(
            address, Gio.DBusConnectionFlags.AUTHENTICATION_CLIENT | Gio.DBusConnectionFlags.MESSAGE_BUS_CONNECTION)
        game_name = next(name for name in bus.call_sync("org.freedesktop.DBus", "/org/freedesktop/DBus",
                                                          "org.freedesktop.DBus", "ListNames", None, None,
                                                          Gio.DBusCallFlags.NONE, 3000).unpack()[0]
                         if name.startswith(":") and bus.call_sync(
                             "org.freedesktop.DBus", "/org/freedesktop/DBus", "org.freedesktop.DBus",
                             "GetConnectionUnixProcessID", GLib.Variant("(s)", (name,)), None,
                             Gio.DBusCallFlags.NONE, 3000).unpack()[0] == self.game.pid)
        try:
            bus.call_sync(game_name, name_field.path, "org.freedesktop.DBus.Properties", "GetAll",
                          GLib.Variant("(s)", ("org.a11y.atspi.Accessible",)), None, Gio.DBusCallFlags.NONE, 3000)
        except GLib.Error:
            pass  # a refusal is an answer
        self.still_answering()


if __name__ == "__main__":
    unittest.main(argv=sys.argv[:1] + sys.argv[3:])
