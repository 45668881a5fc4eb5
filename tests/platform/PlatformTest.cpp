#include "platform/AppFiles.h"
#include "platform/Gbk.h"
#include "platform/ReportList.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHeaderView>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#ifndef _WIN32
#include <pwd.h>
#include <unistd.h>
#endif

using namespace platform;

TEST(Gbk, ConvertsBothWaysAndMarksWhatItCannotHold)
{
    const std::string cigarettes = "\xBD\xF8\xBF\xDA\xCF\xE3\xD1\xCC"; // 进口香烟
    EXPECT_EQ(fromGbk(cigarettes), QStringLiteral("进口香烟"));
    EXPECT_EQ(toGbk(QStringLiteral("进口香烟")), cigarettes);
    EXPECT_EQ(std::string("《上海小宝贝》（禁书）"), toGbk(QStringLiteral("《上海小宝贝》（禁书）")));
    EXPECT_EQ(toGbk(QStringLiteral("abc 123")), "abc 123");

    // Characters outside GBK become a visible "?" each, never dropped.
    const QString outsideGbk = QStringLiteral("小😀vu한");
    EXPECT_EQ(toGbk(outsideGbk), "\xD0\xA1?vu?");
    // Broken bytes never crash and never vanish without a mark.
    const QString broken = fromGbk(std::string("\xBD\xF8\xFF\xFF" "A\x81", 6));
    EXPECT_TRUE(broken.startsWith(QStringLiteral("进")));
    EXPECT_TRUE(broken.contains(QLatin1Char('A')));
    EXPECT_GE(broken.size(), 4);
}

TEST(AppFiles, TheFilesDoNotDependOnTheWorkingDirectory)
{
    const QString tips = tipsFilePath();
    const QString scores = scoreFilePath();
    // Tips in the working directory do not make the program keep its files there.
    QTemporaryDir working;
    ASSERT_TRUE(working.isValid());
    ASSERT_TRUE(QFile(working.filePath("tips.txt")).open(QIODevice::WriteOnly));
    const QString oldDir = QDir::currentPath();
    QDir::setCurrent(working.path());
    EXPECT_EQ(tipsFilePath(), tips);
    EXPECT_EQ(scoreFilePath(), scores);
    QDir::setCurrent(oldDir);
    EXPECT_FALSE(scores.startsWith(working.path()));
    EXPECT_EQ(applicationTitle(), QStringLiteral("platform_tests"));
}

namespace {

// Sets an environment variable for one test, and puts back what was there.
class ScopedVariable {
public:
    ScopedVariable(const char* name, const QString& value)
        : name_(name), had_(qEnvironmentVariableIsSet(name)), old_(qgetenv(name))
    {
        if (value.isNull())
            qunsetenv(name);
        else
            qputenv(name, value.toLocal8Bit());
    }
    ~ScopedVariable()
    {
        if (had_)
            qputenv(name_, old_);
        else
            qunsetenv(name_);
    }

private:
    const char* name_;
    bool had_;
    QByteArray old_;
};

void touch(const QString& path)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << path.toStdString();
}

} // namespace

TEST(AppFiles, ACopyWithItsTipsBesideItKeepsBothFilesThere)
{
    QTemporaryDir unpacked;
    ASSERT_TRUE(unpacked.isValid());
    touch(unpacked.filePath("tips.txt"));
    const ScopedVariable data("XDG_DATA_HOME", unpacked.filePath("elsewhere"));
    EXPECT_EQ(tipsFilePath(unpacked.path()), unpacked.filePath("tips.txt"));
    EXPECT_EQ(scoreFilePath(unpacked.path()), unpacked.filePath("score.txt"));
    // The running test program has no tips beside it: the installed layout.
    EXPECT_NE(scoreFilePath(), QCoreApplication::applicationDirPath() + "/score.txt");
}

// The home folder and the XDG data folder are POSIX's.
#ifndef _WIN32
TEST(AppFiles, AnInstalledCopyReadsItsTipsUnderThePrefixAndKeepsTheListInThePlayersDataFolder)
{
    QTemporaryDir prefix;
    QTemporaryDir home;
    ASSERT_TRUE(prefix.isValid() && home.isValid());
    ASSERT_TRUE(QDir(prefix.path()).mkpath("bin") && QDir(prefix.path()).mkpath("games"));
    // A score file beside the program does not make it a copy that keeps its files there.
    touch(prefix.filePath("bin/score.txt"));
    const QString tips = prefix.filePath("share/dushihuolang/tips.txt");
    EXPECT_EQ(tipsFilePath(prefix.filePath("bin")), tips);
    EXPECT_EQ(tipsFilePath(prefix.filePath("games")), tips);

    const ScopedVariable homeVariable("HOME", home.path());
    {
        const ScopedVariable data("XDG_DATA_HOME", QString());
        EXPECT_EQ(scoreFilePath(prefix.filePath("bin")), home.filePath(".local/share/dushihuolang/score.txt"));
    }
    // A data folder that is not an absolute path is ignored, as the XDG rules say: the list
    // does not move with the working directory.
    for (const char* relative : {"rel/dir", "~/.local/share", ""}) {
        const ScopedVariable data("XDG_DATA_HOME", QString::fromUtf8(relative));
        EXPECT_EQ(scoreFilePath(prefix.filePath("bin")).toStdString(),
                  home.filePath(".local/share/dushihuolang/score.txt").toStdString())
            << "XDG_DATA_HOME=" << relative;
    }
    {
        // Without HOME the home folder is the one the password database gives the player.
        const ScopedVariable noHome("HOME", QString()), noData("XDG_DATA_HOME", QString());
        const struct passwd* player = ::getpwuid(::getuid());
        ASSERT_NE(player, nullptr);
        EXPECT_EQ(scoreFilePath(prefix.filePath("bin")).toStdString(),
                  std::string(player->pw_dir) + "/.local/share/dushihuolang/score.txt");
    }
    const ScopedVariable data("XDG_DATA_HOME", home.filePath("data"));
    EXPECT_EQ(scoreFilePath(prefix.filePath("games")), home.filePath("data/dushihuolang/score.txt"));
    EXPECT_FALSE(QFileInfo::exists(home.filePath("data"))) << "the folder is made when the list is saved";
}
#endif

TEST(ReportList, OnlyItsOwnSurfaceTakesDrops)
{
    ReportList list;
    EXPECT_TRUE(list.isListSurface(&list));
    EXPECT_TRUE(list.isListSurface(list.viewport()));
    EXPECT_FALSE(list.isListSurface(list.header())) << "the header is a window of its own";
    EXPECT_FALSE(list.isListSurface(nullptr));
}

TEST(ReportList, DrawsARowPictureOnAClearGroundAndKeepsCutTextsAtHand)
{
    ReportList list;
    list.resize(120, 120);
    list.addColumn(QStringLiteral("商品"), 150); // wider than the list: the picture is cut there
    list.addColumn(QStringLiteral("价格"), 67);
    list.insertRow(0, {QStringLiteral("《上海小宝贝》（禁书）"), QStringLiteral("5000")});
    list.insertRow(1, {QStringLiteral("进口玩具"), QStringLiteral("300")});
    list.show();
    list.setCellText(1, 1, QStringLiteral("301"));
    EXPECT_EQ(list.topLevelItem(0)->toolTip(0), QStringLiteral("《上海小宝贝》（禁书）"));
    EXPECT_EQ(list.topLevelItem(1)->toolTip(1), QStringLiteral("301"));

    QRect bounds;
    EXPECT_TRUE(list.rowPicture(2, &bounds).isNull());
    const QPixmap picture = list.rowPicture(1, &bounds);
    ASSERT_FALSE(picture.isNull());
    EXPECT_EQ(bounds.width(), list.viewport()->width());
    EXPECT_EQ(bounds.topLeft(), list.viewport()->mapTo(&list, list.visualItemRect(list.topLevelItem(1)).topLeft()));
    const QImage image = picture.toImage();
    int drawn = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            drawn += qAlpha(image.pixel(x, y)) != 0;
    EXPECT_GT(drawn, 0) << "the text is drawn";
    EXPECT_LT(drawn, image.width() * image.height() / 2) << "the ground stays clear";
}
