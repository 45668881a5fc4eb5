// The real program as a native client of a Wayland desktop: a headless compositor of its own
// (sway), keys from wtype, the pointer from our virtual-pointer client, the screen from grim,
// the windows and the keyboard's owner from swaymsg.

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLibraryInfo>
#include <QPainter>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThread>
#include <gtest/gtest.h>

#include "OrdinaryUser.h"
#include "RowPictureCheck.h"

#include <algorithm>
#include <functional>
#include <iostream>
#include <memory>
#include <vector>

namespace {

constexpr int kTimeoutMs = 15000;

const QString kTitle = QStringLiteral("都市货郎记");
const QString kNews = QStringLiteral("北京新闻");
const QString kDiary = QStringLiteral("我在北京的岁月");

void stopHelper(QProcess& helper)
{
    helper.terminate();
    if (!helper.waitForFinished(5000))
        helper.kill();
    helper.waitForFinished();
}

// Sway refuses to run as root, and the game would warn on stderr that the compositor's runtime
// folder is not root's: both run as nobody when the tests run as root.
void startAsOrdinaryUser(QProcess& process, const QString& program, const QStringList& arguments)
{
    if (startedAsRoot())
        process.start("setpriv", QStringList{"--reuid=nobody", "--regid=nogroup", "--clear-groups", program} + arguments);
    else
        process.start(program, arguments);
}

struct Window {
    qint64 id = 0;
    QString name;
    bool focused = false;
    bool urgent = false;
    QRect content; // in the layout's pixels, which are the output's
};

// A headless compositor with one 1280 x 1024 output, up until the object goes. A window that
// asks to be activated gets the keyboard, as on GNOME and KDE.
class Compositor {
public:
    Compositor()
    {
        if (!runtime_.isValid())
            return;
        QFile::setPermissions(runtime_.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        giveToOrdinaryUser(QFile::encodeName(runtime_.path()).toStdString());
        QFile config(runtime_.filePath("config"));
        if (!config.open(QIODevice::WriteOnly))
            return;
        config.write("xwayland disable\n"
                     "focus_on_window_activation focus\n"
                     // No key repeat: on a busy machine a late release would repeat the key.
                     "input type:keyboard repeat_rate 0\n"
                     "output HEADLESS-1 resolution 1280x1024 scale 1\n");
        config.close();
        environment_ = QProcessEnvironment::systemEnvironment();
        for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "SWAYSOCK", "QT_SCALE_FACTOR"})
            environment_.remove(name);
        environment_.insert("XDG_RUNTIME_DIR", runtime_.path());
        environment_.insert("HOME", runtime_.path());
        environment_.insert("WLR_BACKENDS", "headless");
        environment_.insert("WLR_LIBINPUT_NO_DEVICES", "1");
        environment_.insert("WLR_RENDERER", "pixman");
        sway_.setProcessEnvironment(environment_);
        sway_.setProcessChannelMode(QProcess::MergedChannels);
        startAsOrdinaryUser(sway_, "sway", {"-c", config.fileName()});
        sway_.waitForStarted(kTimeoutMs);
        for (int waited = 0; waited < kTimeoutMs && sway_.state() == QProcess::Running; waited += 50) {
            const QDir folder(runtime_.path());
            const QStringList sockets = folder.entryList({"wayland-*"}, QDir::System).filter(QRegularExpression("^wayland-\\d+$"));
            const QStringList ipc = folder.entryList({"sway-ipc.*.sock"}, QDir::System);
            if (!sockets.isEmpty() && !ipc.isEmpty()) {
                environment_.insert("WAYLAND_DISPLAY", sockets.first());
                environment_.insert("SWAYSOCK", folder.filePath(ipc.first()));
                return;
            }
            QThread::msleep(50);
        }
    }
    ~Compositor() { stopHelper(sway_); }
    bool isRunning() const { return environment_.contains("SWAYSOCK") && sway_.state() == QProcess::Running; }
    QString log() { return QString::fromUtf8(sway_.readAll()); }
    QProcessEnvironment environment() const { return environment_; }

private:
    QTemporaryDir runtime_;
    QProcess sway_;
    QProcessEnvironment environment_;
};

class WaylandTest : public testing::Test {
protected:
    void SetUp() override
    {
        for (const char* tool : {"sway", "swaymsg", "wtype", "grim"})
            if (QStandardPaths::findExecutable(QString::fromLatin1(tool)).isEmpty())
                GTEST_SKIP() << tool << " is missing, so the game cannot be tried on a Wayland desktop "
                             << "(tools/install-deps.sh installs sway, wtype and grim)";
        if (!QFile::exists(QLibraryInfo::path(QLibraryInfo::PluginsPath) + "/platforms/libqwayland-generic.so"))
            GTEST_SKIP() << "Qt's Wayland plugin (qt6-wayland) is missing, so the game cannot run on Wayland";
        if (startedAsRoot() && QStandardPaths::findExecutable("setpriv").isEmpty())
            GTEST_SKIP() << "setpriv is missing, and sway does not run as root";
        compositor = std::make_unique<Compositor>();
        if (!compositor->isRunning())
            GTEST_SKIP() << "the Wayland compositor (sway, headless) cannot start here; it said: "
                         << compositor->log().toStdString();
        environment = compositor->environment();
        // One keyboard stays on the seat between the key presses.
        keyboard.setProcessEnvironment(environment);
        keyboard.start("wtype", {"-s", "3600000"});
        ASSERT_TRUE(keyboard.waitForStarted(kTimeoutMs));
        pointer.setProcessEnvironment(environment);
        pointer.start(QStringLiteral(VIRTUAL_POINTER), {});
        ASSERT_TRUE(pointer.waitForStarted(kTimeoutMs));

        ASSERT_TRUE(gameFolder.isValid());
        const QString game = gameFolder.filePath("dushihuolang");
        ASSERT_TRUE(QFile::copy(QStringLiteral(GAME_EXECUTABLE), game));
        ASSERT_TRUE(QFile::copy(QStringLiteral(GAME_TIPS), gameFolder.filePath("tips.txt")));
        QFile(game).setPermissions(QFile::permissions(QStringLiteral(GAME_EXECUTABLE)));
        for (const QString& path : {gameFolder.path(), game, gameFolder.filePath("tips.txt")})
            giveToOrdinaryUser(QFile::encodeName(path).toStdString());
        QProcessEnvironment gameEnvironment = environment;
        gameEnvironment.insert("QT_QPA_PLATFORM", "wayland");
        gameEnvironment.insert("HOME", gameFolder.path());
        gameEnvironment.insert("LC_ALL", "C.UTF-8");
        // What a player would read in the terminal; Qt would send it to the journal otherwise.
        gameEnvironment.insert("QT_FORCE_STDERR_LOGGING", "1");
        // Under the leak checker, no list of the leaks it was told to pass over.
        if (gameEnvironment.contains("LSAN_OPTIONS"))
            gameEnvironment.insert("LSAN_OPTIONS", gameEnvironment.value("LSAN_OPTIONS") + ":print_suppressions=0");
        program.setProcessEnvironment(gameEnvironment);
        program.setWorkingDirectory(gameFolder.path());
        startAsOrdinaryUser(program, game, {});
        ASSERT_TRUE(program.waitForStarted(kTimeoutMs));
    }
    void TearDown() override
    {
        if (program.state() != QProcess::NotRunning) {
            program.kill();
            program.waitForFinished();
        }
        if (pointer.state() != QProcess::NotRunning) {
            pointer.closeWriteChannel();
            stopHelper(pointer);
        }
        if (keyboard.state() != QProcess::NotRunning)
            stopHelper(keyboard);
        compositor.reset();
    }

    QByteArray run(const QString& tool, const QStringList& arguments)
    {
        QProcess process;
        process.setProcessEnvironment(environment);
        process.start(tool, arguments);
        if (!process.waitForFinished(kTimeoutMs))
            process.kill();
        return process.readAllStandardOutput();
    }

    void keys(const QStringList& names)
    {
        QStringList arguments;
        for (const QString& name : names)
            arguments << "-k" << name;
        run("wtype", arguments);
    }

    // One command to our pointer, answered once the compositor has taken it.
    bool pointerDoes(const QString& command)
    {
        pointer.write(command.toLatin1() + '\n');
        while (!pointer.canReadLine())
            if (!pointer.waitForReadyRead(kTimeoutMs))
                return false;
        const bool taken = pointer.readLine().trimmed() == "ok";
        // As a hand does, give the game a moment between one event and the next.
        QThread::msleep(50);
        return taken;
    }
    bool pointerTo(QPoint at) { return pointerDoes(QString("move %1 %2").arg(at.x()).arg(at.y())); }

    // The game's windows, in the order they opened: the compositor numbers them so.
    std::vector<Window> windows()
    {
        std::vector<Window> found;
        std::function<void(const QJsonObject&)> walk = [&](const QJsonObject& node) {
            if (node.contains("pid") && !node.value("name").toString().isEmpty()) {
                const QJsonObject rect = node.value("rect").toObject(), inner = node.value("window_rect").toObject();
                found.push_back({node.value("id").toInteger(), node.value("name").toString(),
                                 node.value("focused").toBool(), node.value("urgent").toBool(),
                                 QRect(rect.value("x").toInt() + inner.value("x").toInt(),
                                       rect.value("y").toInt() + inner.value("y").toInt(),
                                       inner.value("width").toInt(), inner.value("height").toInt())});
            }
            for (const char* children : {"nodes", "floating_nodes"})
                for (const QJsonValue& child : node.value(children).toArray())
                    walk(child.toObject());
        };
        walk(QJsonDocument::fromJson(run("swaymsg", {"-r", "-t", "get_tree"})).object());
        std::sort(found.begin(), found.end(), [](const Window& a, const Window& b) { return a.id < b.id; });
        return found;
    }

    static QString describe(const Window& window)
    {
        return window.name + "#" + QString::number(window.id) + (window.urgent ? " (urgent)" : "");
    }

    // Waits for the newest window to be `name` (and, with `id`, that very window) and, with
    // `withKeys`, to have the keyboard.
    Window newestWindow(const QString& name, qint64 id = 0, bool withKeys = false)
    {
        for (int waited = 0; waited < kTimeoutMs; waited += 100) {
            const std::vector<Window> now = windows();
            if (!now.empty() && now.back().name == name && (!id || now.back().id == id)
                && (!withKeys || now.back().focused))
                return now.back();
            QThread::msleep(100);
        }
        return {};
    }

    // The newest window is `name` and has the keyboard; after time enough for an activation
    // asked for earlier to arrive, it still has it, and no window of the game asks for attention.
    testing::AssertionResult topWindowHasTheKeys(const QString& step, const QString& name, Window* top = nullptr,
                                                 qint64 id = 0)
    {
        newestWindow(name, id, true);
        QThread::msleep(400);
        const std::vector<Window> now = windows();
        QString focused = "nothing", urgent;
        for (const Window& window : now) {
            if (window.focused)
                focused = describe(window);
            if (window.urgent)
                urgent += describe(window) + " ";
        }
        const QString line = step + ": top " + (now.empty() ? QString("none") : describe(now.back())) + ", keys to " + focused;
        std::cout << "[focus] " << line.toStdString() << std::endl;
        if (now.empty() || now.back().name != name || (id && now.back().id != id))
            return testing::AssertionFailure() << line.toStdString() << " (waited for " << name.toStdString() << ")";
        if (!now.back().focused)
            return testing::AssertionFailure() << line.toStdString();
        if (!urgent.isEmpty())
            return testing::AssertionFailure() << line.toStdString() << "; asking for attention: " << urgent.toStdString();
        if (top)
            *top = now.back();
        return testing::AssertionSuccess();
    }

    // After the game: Esc on the start screen ends the program, which said nothing on stderr.
    void quitFromTheStartScreen()
    {
        keys({"Escape"});
        ASSERT_TRUE(program.waitForFinished(kTimeoutMs)) << "the game did not end";
        EXPECT_EQ(program.exitCode(), 0);
        EXPECT_EQ(program.readAllStandardError().toStdString(), "") << "a normal game prints nothing on stderr";
    }

    std::unique_ptr<Compositor> compositor;
    QProcessEnvironment environment;
    QProcess keyboard;
    QProcess pointer;
    QTemporaryDir gameFolder;
    QProcess program;
};

} // namespace

TEST_F(WaylandTest, AfterEveryDialogTheKeysActOnTheTopWindow)
{
    Window startScreen;
    ASSERT_TRUE(topWindowHasTheKeys("start", kTitle, &startScreen));
    for (int round = 1; round <= 3; ++round) {
        const QString game = QString("game %1").arg(round);
        keys({"Return"});
        ASSERT_TRUE(topWindowHasTheKeys(game + " welcome", kNews));
        keys({"Return"});
        Window gameWindow;
        ASSERT_TRUE(topWindowHasTheKeys(game + " window", kTitle, &gameWindow));
        ASSERT_NE(gameWindow.id, startScreen.id);
        // From the leave button, the first station is the tenth tab stop; it keeps the focus.
        keys(QStringList(9, "Tab"));
        for (int day = 1; day <= 4; ++day) {
            keys({"space"});
            // The day's messages, each closed with Enter, until the game window is on top again.
            qint64 closed = gameWindow.id;
            for (int message = 1;; ++message) {
                std::vector<Window> now = windows();
                for (int waited = 0; waited < 1500 && !now.empty() && now.back().id <= closed; waited += 100) {
                    QThread::msleep(100);
                    now = windows();
                }
                ASSERT_FALSE(now.empty());
                if (now.back().id <= closed)
                    break;
                ASSERT_TRUE(topWindowHasTheKeys(game + QString(" day %1 message %2").arg(day).arg(message),
                                                now.back().name));
                closed = now.back().id;
                keys({"Return"});
            }
            ASSERT_TRUE(topWindowHasTheKeys(game + QString(" day %1 done").arg(day), kTitle, nullptr, gameWindow.id));
        }
        // Leaving in debt: the news that the player was sent home, then the start screen.
        keys({"Escape"});
        ASSERT_TRUE(topWindowHasTheKeys(game + " sent home", kNews));
        keys({"Return"});
        ASSERT_TRUE(topWindowHasTheKeys(game + " over", kTitle, nullptr, startScreen.id));
    }
    quitFromTheStartScreen();
}

TEST_F(WaylandTest, ADraggedRowsPictureFollowsThePointerOverTheWindow)
{
    ASSERT_TRUE(newestWindow(kTitle, 0, true).id);
    keys({"Return"});
    const Window welcome = newestWindow(kNews, 0, true);
    ASSERT_TRUE(welcome.id);
    keys({"Return"});
    // The game window, which opens after the welcome, over the start screen of the same name.
    Window game;
    for (int waited = 0; waited < kTimeoutMs && game.id <= welcome.id; waited += 100) {
        QThread::msleep(100);
        game = newestWindow(kTitle);
    }
    ASSERT_GT(game.id, welcome.id) << "the game window did not open";
    QThread::msleep(400);
    const auto onScreen = [&](double dialogX, double dialogY) {
        return game.content.topLeft()
               + QPoint(int(game.content.width() * dialogX / 412), int(game.content.height() * dialogY / 383));
    };
    const auto shot = [&] {
        const QString file = gameFolder.filePath("shot.png");
        run("grim", {file});
        const QImage image(file);
        QFile::remove(file);
        return image;
    };
    // A click just under the market list's header selects one of its rows.
    // A click just under the market list's header selects one of its rows. The selected row is
    // marked from edge to edge, and no text stands at the list's right end.
    const QPoint press = onScreen(40, 62);
    const QPoint markOnly(onScreen(145, 0).x(), press.y());
    QImage before;
    QRgb selection = 0;
    QRect row;
    const auto selected = [&] { return QColor(selection).hsvSaturation() > 100 && row.height() > 10; };
    // A busy machine may lose a click on a window that has just opened, or paint it late; a click
    // is tried again only long after the last, so two never make a double-click.
    for (int click = 0; click < 3 && !selected(); ++click) {
        // The window takes the pointer at its first move over it; the click comes after a second.
        ASSERT_TRUE(pointerTo(press - QPoint(5, 5)) && pointerTo(press) && pointerDoes("press")
                    && pointerDoes("release"));
        // The compositor draws the pointer into its screenshots: out of the way for the row's.
        ASSERT_TRUE(pointerTo(onScreen(100, 190)));
        for (int waited = 0; waited < 2000 && !selected(); waited += 250) {
            QThread::msleep(250);
            before = shot();
            selection = before.pixel(markOnly);
            row = rowpicture::selectedRowBox(before, markOnly);
        }
    }
    ASSERT_TRUE(selected()) << "no row of the market is selected";
    ASSERT_TRUE(pointerTo(press));

    ASSERT_TRUE(pointerDoes("press"));
    // Two places of the room list's empty ground for the picture's corner.
    for (const QPoint corner : {onScreen(215, 100), onScreen(222, 140)}) {
        const QPoint to = press + corner - row.topLeft();
        for (int step = 1; step <= 4; ++step)
            ASSERT_TRUE(pointerTo(press + (to - press) * step / 4));
        QThread::msleep(300);
        QImage during = shot();
        // The compositor draws the pointer over the picture: that corner counts as ground in both.
        QImage rowAlone = before.copy(row);
        const QRect arrow(press - row.topLeft(), QSize(20, 28));
        QPainter(&rowAlone).fillRect(arrow, QColor(selection));
        QPainter(&during).fillRect(arrow.translated(corner), Qt::white);
        EXPECT_GT(rowpicture::inkAgreementNear(rowAlone, selection, during, qRgb(255, 255, 255),
                                               QRect(corner, row.size())),
                  0.75)
            << "the picture is not under the pointer at " << to.x() << "," << to.y();
        EXPECT_GT(rowpicture::inkAgreement(before.copy(row), selection, during.copy(row), selection), 0.95)
            << "the dragged row is covered in its list";
    }
    // Dropped on the room list, the row is bought: the quantity is asked, or the diary says
    // that the cash does not reach.
    ASSERT_TRUE(pointerDoes("release"));
    std::vector<Window> now = windows();
    for (int waited = 0; waited < kTimeoutMs && (now.empty() || now.back().id == game.id); waited += 100) {
        QThread::msleep(100);
        now = windows();
    }
    ASSERT_TRUE(!now.empty() && QStringList({QStringLiteral("买多少？"), kDiary}).contains(now.back().name));
    ASSERT_TRUE(topWindowHasTheKeys("dropped", now.back().name));
    keys({"Escape"});
    ASSERT_TRUE(topWindowHasTheKeys("not bought", kTitle, nullptr, game.id));
    program.setReadChannel(QProcess::StandardError);
    program.waitForReadyRead(500);
    EXPECT_EQ(program.readAllStandardError().toStdString(), "") << "a normal game prints nothing on stderr";
}

int main(int argc, char** argv)
{
    QCoreApplication application(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
