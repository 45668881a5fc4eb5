// What `cmake --install` puts into a prefix: every file a desktop expects of an installed
// game, each in its place, and accepted by the desktop's own validators.

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QProcess>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

const QString kGameId = QStringLiteral("cn.dushihuolang.DushiHuolang");

struct ToolRun {
    int exitCode = -1;
    QString output; // standard output and error together
};

ToolRun run(const QString& program, const QStringList& arguments)
{
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(program, arguments);
    ToolRun result;
    if (process.waitForFinished(60000) && process.exitStatus() == QProcess::NormalExit)
        result.exitCode = process.exitCode();
    result.output = QString::fromUtf8(process.readAll()).trimmed();
    return result;
}

QByteArray bytesOf(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

class InstallTest : public testing::Test {
protected:
    static void SetUpTestSuite()
    {
        prefix = new QTemporaryDir;
        const ToolRun install = run(QStringLiteral(CMAKE_COMMAND),
                                {"--install", QStringLiteral(BUILD_DIR), "--prefix", prefix->path()});
        installOutput = install.exitCode == 0 ? QString() : install.output + "\n";
    }
    static void TearDownTestSuite()
    {
        delete prefix;
        prefix = nullptr;
    }
    void SetUp() override { ASSERT_TRUE(installOutput.isEmpty()) << "cmake --install failed:\n" << installOutput.toStdString(); }

    static QString installed(const QString& relative) { return QDir(prefix->path()).filePath(relative); }

    static QTemporaryDir* prefix;
    static QString installOutput;
};

QTemporaryDir* InstallTest::prefix = nullptr;
QString InstallTest::installOutput;

} // namespace

TEST_F(InstallTest, EveryFileOfTheGameLandsInItsPlace)
{
    const QFileInfo program(installed("bin/dushihuolang"));
    EXPECT_TRUE(program.isFile() && program.isExecutable());
    EXPECT_EQ(bytesOf(installed("share/dushihuolang/tips.txt")), bytesOf(QStringLiteral(GAME_TIPS)));
    EXPECT_FALSE(QFileInfo::exists(installed("bin/tips.txt"))) << "an installed copy keeps no tips beside itself";
    for (const QString& file : {"share/applications/" + kGameId + ".desktop", "share/metainfo/" + kGameId + ".metainfo.xml",
                                QString("share/man/man6/dushihuolang.6.gz"), QString("share/doc/dushihuolang/copyright")})
        EXPECT_TRUE(QFileInfo(installed(file)).isFile()) << file.toStdString();

    for (const int size : {16, 24, 32, 48, 64, 128, 256}) {
        const QString icon = installed(QString("share/icons/hicolor/%1x%1/apps/dushihuolang.png").arg(size));
        EXPECT_TRUE(bytesOf(icon).startsWith("\x89PNG\r\n\x1a\n")) << icon.toStdString();
        const QImage image(icon);
        ASSERT_FALSE(image.isNull()) << icon.toStdString();
        EXPECT_EQ(image.size(), QSize(size, size)) << icon.toStdString();
        EXPECT_TRUE(image.hasAlphaChannel() && image.pixelColor(0, 0).alpha() == 0 &&
                    image.pixelColor(size / 2, size / 2).alpha() > 0)
            << "a drawn icon on a transparent ground: " << icon.toStdString();
    }
}

TEST_F(InstallTest, TheDesktopEntryNamesTheInstalledProgramAndIcon)
{
    QSettings entry(installed("share/applications/" + kGameId + ".desktop"), QSettings::IniFormat);
    entry.beginGroup("Desktop Entry");
    EXPECT_EQ(entry.value("Exec").toString(), "dushihuolang");
    EXPECT_EQ(entry.value("Icon").toString(), "dushihuolang");
    EXPECT_TRUE(entry.value("Categories").toString().split(';').contains("Game"));
    EXPECT_EQ(entry.value("Name[zh_CN]").toString(), QStringLiteral("都市货郎记"));
}

TEST_F(InstallTest, TheDesktopsValidatorsAcceptTheEntryTheMetadataAndTheManualPage)
{
    for (const char* tool : {"desktop-file-validate", "appstreamcli", "groff"})
        ASSERT_FALSE(QStandardPaths::findExecutable(tool).isEmpty()) << tool << " is missing (tools/install-deps.sh installs it)";

    const ToolRun entry = run("desktop-file-validate", {installed("share/applications/" + kGameId + ".desktop")});
    EXPECT_EQ(entry.exitCode, 0);
    EXPECT_EQ(entry.output, QString()) << entry.output.toStdString();

    const ToolRun metadata = run("appstreamcli", {"validate", "--no-net", "--no-color", installed("share/metainfo/" + kGameId + ".metainfo.xml")});
    EXPECT_EQ(metadata.exitCode, 0) << metadata.output.toStdString();
    EXPECT_FALSE(metadata.output.contains("W:") || metadata.output.contains("E:")) << metadata.output.toStdString();

    // What `man -l` shows, with every groff warning switched on.
    const ToolRun page = run("sh", {"-c", "gzip -dc \"$0\" | groff -ww -man -Tutf8 -z", installed("share/man/man6/dushihuolang.6.gz")});
    EXPECT_EQ(page.exitCode, 0);
    EXPECT_EQ(page.output, QString()) << page.output.toStdString();
}
