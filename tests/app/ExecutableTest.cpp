// The real program, started as a player starts it, on a virtual X display and answered with
// real key presses: where it keeps its files and how it ends.

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThread>
#include <gtest/gtest.h>

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

// A display of our own for one test, gone when the test ends.
class VirtualDisplay {
public:
    VirtualDisplay()
    {
        // -displayfd picks a free display and tells us its number, so parallel tests never meet.
        server_.start(QStringLiteral("Xvfb"), {"-displayfd", "1", "-screen", "0", "1024x768x24", "-nolisten", "tcp"});
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
        server_.terminate();
        if (!server_.waitForFinished(5000))
            server_.kill();
        server_.waitForFinished();
    }
    QString name() const { return name_; }

private:
    QProcess server_;
    QString name_;
};

class ExecutableTest : public testing::Test {
protected:
    void SetUp() override
    {
        for (const char* tool : {"Xvfb", "xdotool"})
            ASSERT_FALSE(QStandardPaths::findExecutable(QString::fromLatin1(tool)).isEmpty())
                << tool << " is missing: the program's own tests need Xvfb and xdotool (tools/install-deps.sh installs them)";
        ASSERT_TRUE(installFolder.isValid());
        ASSERT_TRUE(workingFolder.isValid());
        game = installFolder.filePath("dushihuolang");
        ASSERT_TRUE(QFile::copy(QStringLiteral(GAME_EXECUTABLE), game));
        ASSERT_TRUE(QFile::copy(QStringLiteral(GAME_TIPS), installFolder.filePath("tips.txt")));
        QFile(game).setPermissions(QFile::permissions(QStringLiteral(GAME_EXECUTABLE)));

        display = std::make_unique<VirtualDisplay>();
        ASSERT_FALSE(display->name().isEmpty()) << "Xvfb did not start";
        environment = QProcessEnvironment::systemEnvironment();
        environment.insert("DISPLAY", display->name());
        environment.insert("QT_QPA_PLATFORM", "xcb");
        environment.insert("LC_ALL", "C.UTF-8");
    }
    void TearDown() override
    {
        if (program.state() != QProcess::NotRunning) {
            program.kill();
            program.waitForFinished();
        }
        display.reset();
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
        const ToolRun search = runTool("xdotool", {"search", "--sync", "--onlyvisible", "--name", "^" + title + "$"},
                                       environment);
        if (!search.finished || search.exitCode != 0 || search.output.isEmpty())
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
    QProcessEnvironment environment;
    QProcess program;
};

} // namespace

TEST_F(ExecutableTest, AScoreFileThatCannotBeWrittenEndsTheProgramWithMinusOne)
{
    // A folder in the file's place: no one, root included, can write the file there.
    ASSERT_TRUE(QDir(installFolder.path()).mkdir("score.txt"));
    startGame();
    ASSERT_FALSE(focusWindow(QString::fromUtf8("都市货郎记")).isEmpty()) << "the start screen did not show";
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
    ASSERT_FALSE(focusWindow(QString::fromUtf8("都市货郎记")).isEmpty()) << "the start screen did not show";
    ASSERT_TRUE(openTheList());
    ASSERT_FALSE(focusWindow(QString::fromUtf8("高手榜")).isEmpty()) << "the list did not show";
    ASSERT_TRUE(pressKeys({"Return"}));
    ASSERT_FALSE(focusWindow(QString::fromUtf8("都市货郎记")).isEmpty());
    ASSERT_TRUE(pressKeys({"Escape"}));
    ASSERT_TRUE(waitForEnd());
    EXPECT_EQ(program.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(program.exitCode(), 0);

    QFile list(installFolder.filePath("score.txt"));
    ASSERT_TRUE(list.open(QIODevice::ReadOnly)) << "the list is written beside the program";
    const QByteArray bytes = list.readAll();
    EXPECT_TRUE(bytes.startsWith("zuv\r\n12500720\r\n98\r\n"));
    EXPECT_EQ(bytes.count("\r\n"), 30);
    EXPECT_TRUE(QDir(workingFolder.path()).isEmpty()) << "nothing lands in the working folder";
}

int main(int argc, char** argv)
{
    QCoreApplication application(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
