// The real program, started as a player starts it, on a virtual X display and answered with
// real key presses: where it keeps its files and how it ends.

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QHash>
#include <QImage>
#include <QProcess>
#include <QProcessEnvironment>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThread>
#include <gtest/gtest.h>

#include "OrdinaryUser.h"
#include "RowPictureCheck.h"
#include "score/ScoreFile.h"

#include <cmath>
#include <functional>
#include <memory>

namespace {

constexpr int kToolTimeoutMs = 20000;

struct ToolRun {
    bool finished = false;
    int exitCode = -1;
    QString output;
};

// Runs a helper program to its end, or gives up after the timeout.
ToolRun runTool(const QString& program, const QStringList& arguments, const QProcessEnvironment& environment)
{
    QProcess tool;
    tool.setProcessEnvironment(environment);
    tool.start(program, arguments);
    ToolRun run;
    if (!tool.waitForStarted(kToolTimeoutMs))
        return run;
    run.finished = tool.waitForFinished(kToolTimeoutMs);
    if (!run.finished) {
        tool.kill();
        tool.waitForFinished();
        return run;
    }
    run.exitCode = tool.exitCode();
    run.output = QString::fromUtf8(tool.readAllStandardOutput()).trimmed();
    return run;
}

// Asks a helper program to end, and makes it end if it will not.
void stopHelper(QProcess& helper)
{
    helper.terminate();
    if (!helper.waitForFinished(5000))
        helper.kill();
    helper.waitForFinished();
}

// A display of our own for one test, gone when the test ends.
class VirtualDisplay {
public:
    explicit VirtualDisplay(const QString& size = QStringLiteral("1024x768"))
    {
        // -displayfd picks a free display and tells us its number, so parallel tests never meet.
        // -r: no key autorepeat, which on a busy machine turns one late-released Enter into many.
        server_.start(QStringLiteral("Xvfb"),
                      {"-displayfd", "1", "-r", "-screen", "0", size + "x24", "-nolisten", "tcp"});
        if (!server_.waitForStarted(kToolTimeoutMs))
            return;
        QByteArray number;
        while (!number.contains('\n') && server_.waitForReadyRead(kToolTimeoutMs))
            number += server_.readAllStandardOutput();
        if (!number.trimmed().isEmpty())
            name_ = QStringLiteral(":") + QString::fromLatin1(number.trimmed());
    }
    ~VirtualDisplay()
    {
        stopHelper(server_);
    }
    QString name() const { return name_; }

private:
    QProcess server_;
    QString name_;
};

// A desktop's window manager on a display, up until the object goes.
class WindowManager {
public:
    explicit WindowManager(const QProcessEnvironment& environment)
    {
        QTemporaryDir marks;
        const QString ready = marks.filePath("ready");
        manager_.setProcessEnvironment(environment);
        manager_.start(QStringLiteral("openbox"), {"--startup", "touch " + ready});
        for (int waited = 0; waited < kToolTimeoutMs && !QFile::exists(ready); waited += 50)
            QThread::msleep(50);
        running_ = QFile::exists(ready);
    }
    ~WindowManager()
    {
        stopHelper(manager_);
    }
    bool isRunning() const { return running_; }

private:
    QProcess manager_;
    bool running_ = false;
};

struct WindowOnScreen {
    QString id;
    QString name;
    QRect geometry;
};

// The bands of rows of `area`, top to bottom, in which some pixel is as dark as text.
std::vector<std::pair<int, int>> inkBands(const QImage& image, const QRect& area)
{
    std::vector<std::pair<int, int>> bands;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        bool ink = false;
        for (int x = area.left(); x <= area.right() && !ink; ++x)
            ink = qGray(image.pixel(x, y)) < 100;
        if (ink && !bands.empty() && bands.back().second == y - 1)
            bands.back().second = y;
        else if (ink)
            bands.emplace_back(y, y);
    }
    return bands;
}

// Whether some line of pixels near `line` (a row, or a column when `vertical`) is drawn in the
// frame's grey from `from` to `to`: the edge of a frame.
bool hasFrameEdge(const QImage& image, bool vertical, int line, int from, int to)
{
    for (int at = line - 3; at <= line + 3; ++at) {
        int grey = 0;
        for (int along = from; along <= to; ++along) {
            const int level = qGray(vertical ? image.pixel(at, along) : image.pixel(along, at));
            grey += level >= 150 && level <= 200;
        }
        if (grey >= (to - from + 1) * 95 / 100)
            return true;
    }
    return false;
}

class ExecutableTest : public testing::Test {
protected:
    void SetUp() override
    {
        for (const char* tool : {"Xvfb", "xdotool", "openbox", "import"})
            ASSERT_FALSE(QStandardPaths::findExecutable(QString::fromLatin1(tool)).isEmpty())
                << tool << " is missing: the program's own tests need Xvfb and xdotool (tools/install-deps.sh installs them)";
        ASSERT_TRUE(installFolder.isValid());
        ASSERT_TRUE(workingFolder.isValid());
        game = installFolder.filePath("dushihuolang");
        ASSERT_TRUE(QFile::copy(QStringLiteral(GAME_EXECUTABLE), game));
        ASSERT_TRUE(QFile::copy(QStringLiteral(GAME_TIPS), installFolder.filePath("tips.txt")));
        QFile(game).setPermissions(QFile::permissions(QStringLiteral(GAME_EXECUTABLE)));

        startDisplay(QStringLiteral("1024x768"));
    }
    void TearDown() override
    {
        stopGame();
        windowManager.reset();
        display.reset();
    }

    void startDisplay(const QString& size)
    {
        stopGame();
        windowManager.reset();
        display = std::make_unique<VirtualDisplay>(size);
        ASSERT_FALSE(display->name().isEmpty()) << "Xvfb did not start";
        environment = QProcessEnvironment::systemEnvironment();
        environment.insert("DISPLAY", display->name());
        environment.insert("QT_QPA_PLATFORM", "xcb");
        environment.insert("LC_ALL", "C.UTF-8");
    }

    void startWindowManager()
    {
        windowManager = std::make_unique<WindowManager>(environment);
        ASSERT_TRUE(windowManager->isRunning()) << "openbox did not start";
    }

    void stopGame()
    {
        if (program.state() != QProcess::NotRunning) {
            program.kill();
            program.waitForFinished();
        }
    }

    // The window that has the keyboard, as the X server sees it; empty id when none of ours.
    WindowOnScreen focusedWindow()
    {
        const ToolRun run = runTool("xdotool", {"getwindowfocus", "getwindowname", "getwindowgeometry", "--shell"},
                                    environment);
        WindowOnScreen window;
        const QStringList lines = run.output.split('\n');
        if (!run.finished || run.exitCode != 0 || lines.size() < 5)
            return window;
        window.name = lines[0];
        QHash<QString, int> values;
        for (const QString& line : lines.mid(1)) {
            const int equals = line.indexOf('=');
            if (equals > 0)
                values[line.left(equals)] = line.mid(equals + 1).toInt();
        }
        window.id = QString::number(values.value("WINDOW"));
        window.geometry = QRect(values.value("X"), values.value("Y"), values.value("WIDTH"), values.value("HEIGHT"));
        return window;
    }

    // From the start screen, a name and Enter; the welcome news closed with Enter: the game
    // window has the keyboard. `welcome` gets the news as it was shown.
    WindowOnScreen enterAGame(const QString& name = "vu", QImage* welcome = nullptr)
    {
        const QString title = QStringLiteral("都市货郎记");
        if (focusWindow(title).isEmpty())
            return {};
        startScreen = focusedWindow();
        runTool("xdotool", {"type", "--delay", "40", name}, environment);
        pressKeys({"Return"});
        const WindowOnScreen news = waitForNews();
        if (news.id.isEmpty())
            return {};
        if (welcome)
            *welcome = screenshot(news.id);
        pressKeys({"Return"});
        return waitForFocus([&](const WindowOnScreen& w) { return w.name == title && w.id != startScreen.id; });
    }

    // Rides forty days with keys alone and closes every message with Enter; fails the moment
    // the keyboard belongs to no window of the game.
    void playFortyDaysWithKeys()
    {
        startGame();
        const WindowOnScreen gameWindow = enterAGame();
        ASSERT_FALSE(gameWindow.id.isEmpty()) << "the game window did not get the keyboard";
        const QStringList messages{QStringLiteral("北京新闻"), QStringLiteral("我在北京的岁月"),
                                   QStringLiteral("高手榜")};
        const auto ours = [&](const WindowOnScreen& w) {
            return w.id == gameWindow.id || w.id == startScreen.id || messages.contains(w.name);
        };
        // From the leave button, the first station is the tenth tab stop; it keeps the focus.
        ASSERT_TRUE(pressKeys({"Tab", "Tab", "Tab", "Tab", "Tab", "Tab", "Tab", "Tab", "Tab"}));
        int presses = 0;
        QElapsedTimer clock;
        clock.start();
        while (clock.elapsed() < 120000) {
            const WindowOnScreen now = waitForFocus(ours, 3000);
            ASSERT_FALSE(now.id.isEmpty()) << "after " << presses << " station presses the keyboard belongs to no window of the game";
            if (now.id == startScreen.id)
                break;
            const bool inGame = now.id == gameWindow.id;
            ASSERT_TRUE(pressKeys({inGame ? "space" : "Return"}));
            presses += inGame ? 1 : 0;
            // The day's first message, or a quiet day's moment.
            waitForFocus([&](const WindowOnScreen& w) { return w.id != now.id; }, inGame ? 1000 : 3000);
        }
        EXPECT_EQ(focusedWindow().id, startScreen.id) << "the start screen has the keyboard after the game";
        // Forty days; a press that came while the day's first message was still on its way is
        // lost on the window behind it, never counted by the game.
        EXPECT_GE(presses, 40);
        EXPECT_LE(presses, 43);
        ASSERT_TRUE(pressKeys({"Escape"}));
        ASSERT_TRUE(waitForEnd());
        EXPECT_EQ(program.exitCode(), 0);
    }

    // Rides `days` days from the first station with keys alone and closes their messages with
    // Enter, until the game window has the keyboard again.
    bool rideWithKeys(const WindowOnScreen& gameWindow, int days)
    {
        if (!pressKeys({"Tab", "Tab", "Tab", "Tab", "Tab", "Tab", "Tab", "Tab", "Tab"}))
            return false;
        const auto changed = [](const QString& from) { return [from](const WindowOnScreen& w) { return w.id != from; }; };
        for (int ridden = 0; ridden < days; ++ridden) {
            if (!pressKeys({"space"}))
                return false;
            for (WindowOnScreen now = waitForFocus(changed(gameWindow.id), 1000); !now.id.isEmpty();
                 now = waitForFocus(changed(gameWindow.id), 1000)) {
                pressKeys({"Return"});
                waitForFocus(changed(now.id), 3000);
            }
        }
        return focusedWindow().id == gameWindow.id;
    }

    WindowOnScreen waitForNews()
    {
        return waitForFocus([](const WindowOnScreen& w) { return w.name == QStringLiteral("北京新闻"); });
    }

    // Waits, without touching the focus, for a window that `wanted` accepts to have it.
    WindowOnScreen waitForFocus(const std::function<bool(const WindowOnScreen&)>& wanted, int timeoutMs = kToolTimeoutMs)
    {
        for (int waited = 0; waited < timeoutMs; waited += 50) {
            const WindowOnScreen window = focusedWindow();
            if (!window.id.isEmpty() && wanted(window))
                return window;
            QThread::msleep(50);
        }
        return {};
    }

    // A point of the game window given in its template's dialog units (412 x 383 in all).
    static QPoint pointInWindow(const WindowOnScreen& window, double dialogX, double dialogY)
    {
        return QPoint(int(window.geometry.width() * dialogX / 412), int(window.geometry.height() * dialogY / 383));
    }

    QImage screenshot(const QString& windowId)
    {
        const QString file = workingFolder.filePath("shot.png");
        runTool("import", {"-window", windowId, file}, environment);
        QImage image(file);
        QFile::remove(file);
        return image;
    }

    // The pointer to a point of the window, as the X server places the window.
    void movePointer(const WindowOnScreen& window, QPoint to)
    {
        runTool("xdotool", {"mousemove", "--window", window.id, QString::number(to.x()), QString::number(to.y())},
                environment);
    }

    // Starts the game from the working folder, which is not where it lies.
    void startGame()
    {
        program.setProcessEnvironment(environment);
        program.setWorkingDirectory(workingFolder.path());
        program.start(game, {});
        ASSERT_TRUE(program.waitForStarted(kToolTimeoutMs)) << program.errorString().toStdString();
    }

    // Waits for a shown window whose whole title is `title` and gives it the keyboard.
    QString focusWindow(const QString& title)
    {
        // Asked again until it is there: a search that meets a window going away (such as those
        // of a program just killed) gives up at once.
        ToolRun search;
        QElapsedTimer clock;
        clock.start();
        do {
            search = runTool("xdotool", {"search", "--onlyvisible", "--name", "^" + title + "$"}, environment);
            if (search.finished && search.exitCode == 0 && !search.output.isEmpty())
                break;
            QThread::msleep(100);
        } while (clock.elapsed() < kToolTimeoutMs);
        if (search.output.isEmpty())
            return QString();
        const QString window = search.output.split('\n').first();
        runTool("xdotool", {"windowfocus", window}, environment);
        // Let the window take the focus before the first key arrives.
        QThread::msleep(300);
        return window;
    }

    bool pressKeys(const QStringList& keys)
    {
        const ToolRun run = runTool("xdotool", QStringList{"key", "--delay", "80"} + keys, environment);
        return run.finished && run.exitCode == 0;
    }

    // From the name box, the list button is the fourth tab stop: start, leave, about, list.
    bool openTheList() { return pressKeys({"Tab", "Tab", "Tab", "Tab", "space"}); }

    // From the start screen: the list, back with Enter, then Esc ends the program normally.
    void showTheListAndQuit()
    {
        ASSERT_TRUE(openTheList());
        ASSERT_FALSE(focusWindow(QStringLiteral("高手榜")).isEmpty()) << "the list did not show";
        ASSERT_TRUE(pressKeys({"Return"}));
        ASSERT_FALSE(focusWindow(QStringLiteral("都市货郎记")).isEmpty());
        ASSERT_TRUE(pressKeys({"Escape"}));
        ASSERT_TRUE(waitForEnd());
        EXPECT_EQ(program.exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(program.exitCode(), 0);
    }

    bool waitForEnd()
    {
        if (program.waitForFinished(kToolTimeoutMs))
            return true;
        ADD_FAILURE() << "the game did not end; its errors: " << program.readAllStandardError().toStdString();
        return false;
    }

    QTemporaryDir installFolder;
    QTemporaryDir workingFolder;
    QString game;
    std::unique_ptr<VirtualDisplay> display;
    std::unique_ptr<WindowManager> windowManager;
    WindowOnScreen startScreen;
    QProcessEnvironment environment;
    QProcess program;
};

} // namespace

TEST_F(ExecutableTest, AScoreFileThatCannotBeWrittenEndsTheProgramWithMinusOne)
{
    // A folder in the file's place: no one, root included, can write the file there.
    ASSERT_TRUE(QDir(installFolder.path()).mkdir("score.txt"));
    startGame();
    ASSERT_FALSE(focusWindow(QStringLiteral("都市货郎记")).isEmpty()) << "the start screen did not show";
    ASSERT_TRUE(openTheList());
    ASSERT_FALSE(focusWindow("dushihuolang").isEmpty()) << "no message box captioned with the program's name";
    ASSERT_TRUE(pressKeys({"Return"}));
    ASSERT_TRUE(waitForEnd());
    EXPECT_EQ(program.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(program.exitCode(), 255);
    EXPECT_TRUE(QFileInfo(installFolder.filePath("score.txt")).isDir());
    EXPECT_TRUE(QDir(workingFolder.path()).isEmpty());
}

TEST_F(ExecutableTest, StartedElsewhereItKeepsItsListBesideItselfAndEndsWithTheStartScreen)
{
    startGame();
    ASSERT_FALSE(focusWindow(QStringLiteral("都市货郎记")).isEmpty()) << "the start screen did not show";
    showTheListAndQuit();
    if (HasFatalFailure())
        return;

    QFile list(installFolder.filePath("score.txt"));
    ASSERT_TRUE(list.open(QIODevice::ReadOnly)) << "the list is written beside the program";
    const QByteArray bytes = list.readAll();
    EXPECT_TRUE(bytes.startsWith("zuv\r\n12500720\r\n98\r\n"));
    EXPECT_EQ(bytes.count("\r\n"), 30);
    EXPECT_TRUE(QDir(workingFolder.path()).isEmpty()) << "nothing lands in the working folder";
}


TEST_F(ExecutableTest, OnADesktopTheTickerStandsUnderThePointerAndRunsWhenItLeaves)
{
    startWindowManager();
    startGame();
    const WindowOnScreen window = enterAGame();
    ASSERT_FALSE(window.id.isEmpty()) << "the game window did not get the keyboard";
    const auto strip = [&] {
        // The ticker's place in the template: 10, 355, 390 x 20 dialog units.
        const QImage shot = screenshot(window.id);
        return shot.copy(QRect(shot.width() * 12 / 412, shot.height() * 357 / 383, shot.width() * 380 / 412,
                               shot.height() * 16 / 383));
    };
    const auto standing = [&] {
        const QImage before = strip();
        QThread::msleep(300); // seven ticks of the scroll timer
        return !before.isNull() && strip() == before;
    };
    EXPECT_FALSE(standing()) << "the strip scrolls when the game opens";
    movePointer(window, pointInWindow(window, 200, 365));
    QThread::msleep(200);
    EXPECT_TRUE(standing()) << "the strip goes on scrolling under the pointer";
    // Off the strip onto the window itself, across the status group.
    movePointer(window, pointInWindow(window, 100, 250));
    movePointer(window, pointInWindow(window, 2, 250));
    QThread::msleep(200);
    EXPECT_FALSE(standing()) << "the strip does not run again when the pointer leaves";

    // Straight off the window's lower edge from the strip: it stands until the pointer is back.
    movePointer(window, pointInWindow(window, 200, 365));
    QThread::msleep(200);
    ASSERT_TRUE(standing());
    movePointer(window, pointInWindow(window, 200, 420));
    QThread::msleep(200);
    EXPECT_TRUE(standing()) << "the strip runs again although the pointer left the window";
    movePointer(window, pointInWindow(window, 100, 250));
    QThread::msleep(200);
    EXPECT_FALSE(standing()) << "the strip does not run again when the pointer is back";
}

TEST_F(ExecutableTest, AKeyboardOnlyGameOfFortyDaysWithAWindowManager)
{
    startWindowManager();
    playFortyDaysWithKeys();
}

TEST_F(ExecutableTest, AKeyboardOnlyGameOfFortyDaysWithoutAWindowManager)
{
    playFortyDaysWithKeys();
}

TEST_F(ExecutableTest, AtTwiceTheScaleTheDisplaysShowTheirWholeFigures)
{
    // The lit segments of the four displays, as fractions of the window, at scale 1 and 2.
    std::vector<QRectF> litAreas;
    for (const char* scale : {"1", "2"}) {
        startDisplay(QStringLiteral("1800x1500"));
        environment.insert("QT_SCALE_FACTOR", scale);
        startGame();
        const WindowOnScreen window = enterAGame();
        ASSERT_FALSE(window.id.isEmpty()) << "scale " << scale << ": the game window did not open";
        QThread::msleep(300);
        const QImage shot = screenshot(window.id);
        ASSERT_FALSE(shot.isNull());
        // Green lit on black in three displays, red on black in the debt display.
        for (const QRgb lit : {qRgb(0, 255, 0), qRgb(240, 0, 0)}) {
            QRect area;
            for (int y = 0; y < shot.height(); ++y)
                for (int x = 0; x < shot.width(); ++x)
                    if (shot.pixel(x, y) == lit)
                        area |= QRect(x, y, 1, 1);
            litAreas.push_back(QRectF(double(area.x()) / shot.width(), double(area.y()) / shot.height(),
                                      double(area.width()) / shot.width(), double(area.height()) / shot.height()));
        }
        stopGame();
        // The game stopped in its course is kept, and the next start would offer it.
        QFile::remove(installFolder.filePath("savedgame.txt"));
    }
    ASSERT_EQ(litAreas.size(), 4u);
    for (int colour = 0; colour < 2; ++colour) {
        const QRectF one = litAreas[size_t(colour)], two = litAreas[size_t(colour + 2)];
        EXPECT_FALSE(one.isEmpty());
        const double tolerance = 0.01; // a hundredth of the window, a few pixels
        EXPECT_NEAR(one.left(), two.left(), tolerance) << "colour " << colour;
        EXPECT_NEAR(one.right(), two.right(), tolerance) << "colour " << colour;
        EXPECT_NEAR(one.top(), two.top(), tolerance) << "colour " << colour;
        EXPECT_NEAR(one.bottom(), two.bottom(), tolerance) << "colour " << colour;
    }
}

TEST_F(ExecutableTest, ALongNewsMessageWrapsWholeInAGrownDialogAndAShortOneKeepsTheTemplate)
{
    startWindowManager();
    for (const QString& name : {QString("vu"), QString("Zhang San the Great Trader of Haidian District Beijing")}) {
        SCOPED_TRACE(name.toStdString());
        startGame();
        QImage welcome;
        const WindowOnScreen game = enterAGame(name, &welcome);
        ASSERT_FALSE(game.id.isEmpty()) << "the game window did not get the keyboard";
        // Leaving at once is a loss: the news that the player was sent home, with the name.
        ASSERT_TRUE(pressKeys({"Escape"}));
        const WindowOnScreen news = waitForNews();
        ASSERT_FALSE(news.id.isEmpty()) << "no sent-home news";
        const QImage sentHome = screenshot(news.id);
        ASSERT_TRUE(pressKeys({"Return"}));
        ASSERT_FALSE(waitForFocus([&](const WindowOnScreen& w) { return w.id == startScreen.id; }).id.isEmpty());
        ASSERT_TRUE(pressKeys({"Escape"}));
        ASSERT_TRUE(waitForEnd());

        // The news template is 334 x 68 units, the message's line 45 to 325 across, 8 high, the
        // button 23 units above the bottom; the game window's 383 units down give a unit's height.
        const double unitY = game.geometry.height() / 383.0;
        for (const QImage& shot : {welcome, sentHome}) {
            ASSERT_FALSE(shot.isNull());
            const auto x = [&](int units) { return shot.width() * units / 334; };
            const int buttonTop = shot.height() - int(23 * unitY);
            const int lines = int(inkBands(shot, QRect(x(45), 0, x(280), buttonTop - 3)).size());
            EXPECT_EQ(lines == 1, name == "vu") << lines << " lines";
            EXPECT_FALSE(inkBands(shot, QRect(x(145), buttonTop, x(50), int(14 * unitY))).empty())
                << "the button moves down with the text";
            EXPECT_NEAR(shot.height(), (68 + 8 * (lines - 1)) * unitY, lines) << "the dialog grows by the added lines";
        }
    }
}

TEST_F(ExecutableTest, TheMarketsNameColumnKeepsItsShareOfTheListAndFramesAreWholeAtOneAndAHalf)
{
    startDisplay(QStringLiteral("1800x1500"));
    startWindowManager();
    for (const char* scale : {"1", "1.5"}) {
        SCOPED_TRACE(scale);
        environment.insert("QT_SCALE_FACTOR", scale);
        startGame();
        const WindowOnScreen window = enterAGame();
        ASSERT_FALSE(window.id.isEmpty()) << "the game window did not open";
        QThread::msleep(300);
        const QImage shot = screenshot(window.id);
        ASSERT_FALSE(shot.isNull());
        stopGame();
        // The game stopped in its course is kept, and the next start would offer it.
        QFile::remove(installFolder.filePath("savedgame.txt"));
        const auto x = [&](double units) { return int(std::lround(shot.width() * units / 412)); };
        const auto y = [&](double units) { return int(std::lround(shot.height() * units / 383)); };

        // The market list (7, 44, 146 x 140 units) and the room list (207, 44, 178 x 140).
        for (const auto& [left, width] : {std::pair{7, 146}, std::pair{207, 178}}) {
            const int l = x(left), r = x(left + width) - 1, t = y(44), b = y(184) - 1;
            EXPECT_TRUE(hasFrameEdge(shot, false, t, l + 5, r - 5)) << "top edge of the list at " << left;
            EXPECT_TRUE(hasFrameEdge(shot, false, b, l + 5, r - 5)) << "bottom edge of the list at " << left;
            EXPECT_TRUE(hasFrameEdge(shot, true, l, t + 5, b - 5)) << "left edge of the list at " << left;
            EXPECT_TRUE(hasFrameEdge(shot, true, r, t + 5, b - 5)) << "right edge of the list at " << left;
        }
        if (std::string(scale) != "1")
            continue;
        // The first divider of the market's header: a column as dark as a line all the way
        // down the header, where text leaves gaps.
        const int headerTop = y(44) + 3, headerBottom = y(44) + 14;
        int divider = -1;
        for (int column = x(7) + 20; column < x(153) - 2 && divider < 0; ++column) {
            bool line = true;
            for (int row = headerTop; row <= headerBottom && line; ++row)
                line = qGray(shot.pixel(column, row)) < 220;
            if (line)
                divider = column;
        }
        ASSERT_GE(divider, 0) << "no column divider in the market's header";
        // 150 pixels of a 146-unit list whose unit is 1.5 pixels.
        EXPECT_NEAR(double(divider - x(7)) / (x(153) - x(7)), 150 / (146 * 1.5), 0.02);
    }
}

TEST_F(ExecutableTest, AtTwiceTheScaleADraggedRowsPictureIsTheRowAsTheListDrawsIt)
{
    startDisplay(QStringLiteral("1800x1500"));
    startWindowManager();
    environment.insert("QT_SCALE_FACTOR", "2");
    startGame();
    const WindowOnScreen window = enterAGame();
    ASSERT_FALSE(window.id.isEmpty()) << "the game window did not open";
    const auto onScreen = [&](double dialogX, double dialogY) {
        return window.geometry.topLeft() + pointInWindow(window, dialogX, dialogY);
    };
    const auto pointer = [&](const QStringList& actions) { runTool("xdotool", actions, environment); };
    // A click just under the market list's header selects one of its rows.
    const QPoint press = onScreen(40, 62);
    pointer({"mousemove", QString::number(press.x()), QString::number(press.y()), "click", "1"});
    QThread::msleep(300);
    const QImage before = screenshot("root");
    // The selected row is marked from edge to edge; no text stands at the list's right end.
    const QPoint markOnly(onScreen(145, 0).x(), press.y());
    const QRgb selection = before.pixel(markOnly);
    const QRect row = rowpicture::selectedRowBox(before, markOnly);
    ASSERT_TRUE(QColor(selection).hsvSaturation() > 100 && row.height() > 10) << "no row of the market is selected";
    pointer({"mousedown", "1"});
    // Two places of the room list's empty ground for the picture's corner.
    for (const QPoint corner : {onScreen(215, 100), onScreen(222, 140)}) {
        const QPoint to = press + corner - row.topLeft();
        for (int step = 1; step <= 4; ++step) {
            const QPoint at = press + (to - press) * step / 4;
            pointer({"mousemove", QString::number(at.x()), QString::number(at.y())});
        }
        QThread::msleep(300);
        const QImage during = screenshot("root");
        EXPECT_GT(rowpicture::inkAgreementNear(before.copy(row), selection, during, qRgb(255, 255, 255),
                                               QRect(corner, row.size())),
                  0.75)
            << "the picture at " << corner.x() << "," << corner.y() << " is not the row as the list draws it";
    }
    // Back onto its own list: nothing is traded.
    pointer({"mousemove", QString::number(press.x()), QString::number(press.y()), "mouseup", "1"});
}

// The program as a package installs it, run by a player who owns nothing but a fresh home.
TEST_F(ExecutableTest, AnInstalledCopyKeepsItsListInThePlayersDataFolderAndNothingBesideItself)
{
    QTemporaryDir prefix;
    ASSERT_TRUE(prefix.isValid());
    QFile(prefix.path()).setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadGroup |
                                        QFile::ExeGroup | QFile::ReadOther | QFile::ExeOther);
    const ToolRun install = runTool(QStringLiteral(CMAKE_COMMAND),
                                    {"--install", QStringLiteral(BUILD_DIR), "--prefix", prefix.path()}, environment);
    ASSERT_TRUE(install.finished && install.exitCode == 0) << install.output.toStdString();
    const QDir bin(prefix.filePath("bin"));
    const QStringList besideBefore = bin.entryList(QDir::AllEntries | QDir::Hidden | QDir::System);
    ASSERT_TRUE(besideBefore.contains("dushihuolang"));

    QTemporaryDir home;
    ASSERT_TRUE(home.isValid());
    giveToOrdinaryUser(QFile::encodeName(home.path()).toStdString());
    QString runner = prefix.filePath("bin/dushihuolang");
    QStringList arguments;
    if (startedAsRoot()) {
        if (QStandardPaths::findExecutable("setpriv").isEmpty())
            GTEST_SKIP() << "setpriv is missing, so the installed copy cannot be run as an ordinary user";
        arguments = {"--reuid=nobody", "--regid=nogroup", "--clear-groups", runner};
        runner = QStringLiteral("setpriv");
    }
    environment.insert("HOME", home.path());
    // Not an absolute path, so it is ignored: the list goes to the home's data folder, not
    // under the folder the game was started from.
    environment.insert("XDG_DATA_HOME", "rel/dir");
    environment.remove("XAUTHORITY");
    program.setProcessEnvironment(environment);
    program.setWorkingDirectory(home.path());
    program.start(runner, arguments);
    ASSERT_TRUE(program.waitForStarted(kToolTimeoutMs)) << program.errorString().toStdString();

    ASSERT_FALSE(focusWindow(QStringLiteral("都市货郎记")).isEmpty())
        << "the start screen did not show; the game said: " << program.readAllStandardError().toStdString();
    showTheListAndQuit();
    if (HasFatalFailure())
        return;

    QFile list(home.filePath(".local/share/dushihuolang/score.txt"));
    ASSERT_TRUE(list.open(QIODevice::ReadOnly)) << "the list is kept in the player's data folder";
    EXPECT_EQ(list.readAll().toStdString(), score::formatScores(score::defaultScoreTable()));
    EXPECT_EQ(QFileInfo(list).ownerId(), ordinaryUid()) << "the player, not root, wrote it";
    EXPECT_FALSE(QFileInfo::exists(home.filePath("rel"))) << "nothing under the working directory";
    EXPECT_EQ(bin.entryList(QDir::AllEntries | QDir::Hidden | QDir::System), besideBefore)
        << "nothing is written beside the installed program";
}

int main(int argc, char** argv)
{
    QCoreApplication application(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}

TEST_F(ExecutableTest, AKilledGameGoesOnAsItStoodAndAnotherCopyNeitherOffersNorWritesIt)
{
    startWindowManager();
    startGame();
    const WindowOnScreen played = enterAGame();
    ASSERT_FALSE(played.id.isEmpty()) << "the game window did not get the keyboard";
    ASSERT_TRUE(rideWithKeys(played, 3));
    QFile kept(installFolder.filePath("savedgame.txt"));
    ASSERT_TRUE(kept.open(QIODevice::ReadOnly)) << "the game is kept beside the list";
    const QByteArray killedAt = kept.readAll();
    kept.close();
    EXPECT_TRUE(killedAt.contains("\ndays-left 37\n"));
    // The caption, the lists and the figures; the stations and the ticker move on their own.
    const auto standing = [&](const WindowOnScreen& window) {
        const QImage shot = screenshot(window.id);
        const auto part = [&](int x, int y, int width, int height) {
            return shot.copy(QRect(pointInWindow(window, x, y), pointInWindow(window, x + width, y + height)));
        };
        return std::make_pair(part(0, 0, 412, 190), part(0, 195, 165, 120));
    };
    const auto before = standing(played);
    program.kill();
    program.waitForFinished();

    startGame();
    ASSERT_FALSE(focusWindow(QStringLiteral("上次的游戏")).isEmpty()) << "the killed game is not offered";
    ASSERT_TRUE(pressKeys({"Return"}));
    const WindowOnScreen resumed = waitForFocus([&](const WindowOnScreen& w) {
        return w.name == played.name && w.geometry.size() == played.geometry.size();
    });
    ASSERT_FALSE(resumed.id.isEmpty()) << "the game window did not come back";
    QThread::msleep(300);
    const auto after = standing(resumed);
    EXPECT_FALSE(before.first.isNull());
    EXPECT_TRUE(after.first == before.first) << "the caption and the lists as they stood";
    EXPECT_TRUE(after.second == before.second) << "the figures as they stood";

    // A second copy meanwhile opens its start screen without the question and leaves the file.
    QProcess second;
    second.setProcessEnvironment(environment);
    second.start(game, {});
    const WindowOnScreen otherStart = waitForFocus([&](const WindowOnScreen& w) { return w.id != resumed.id; });
    ASSERT_EQ(otherStart.name, played.name) << "the second copy's start screen did not get the keyboard";
    QThread::msleep(500);
    EXPECT_EQ(focusedWindow().id, otherStart.id) << "the second copy offered the game another copy plays";
    ASSERT_TRUE(pressKeys({"Escape"}));
    EXPECT_TRUE(second.waitForFinished(kToolTimeoutMs));

    // The end of the session: the process ends at once, the game kept and not scored.
    program.terminate();
    EXPECT_TRUE(program.waitForFinished(3000)) << "the game held up the end of the session";
    ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
    EXPECT_EQ(kept.readAll(), killedAt);
    EXPECT_FALSE(QFile::exists(installFolder.filePath("score.txt")));
}
