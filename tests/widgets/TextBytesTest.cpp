// Characters to glyphs, GBK-aware byte walks, ticker segments and the tips file.

#include "widgets/GbkBytes.h"
#include "widgets/SegmentGlyph.h"
#include "widgets/TickerControl.h"
#include "widgets/TipsFile.h"

#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <atomic>
#include <future>
#include <gtest/gtest.h>
#include <memory>
#include <thread>
#ifndef _WIN32
#include <sys/stat.h>
#include <unistd.h>
#endif

using namespace widgets;

namespace {

std::string scrambled(std::string_view text)
{
    std::string out;
    for (char c : text)
        out.push_back(char(static_cast<unsigned char>(c) ^ kTipsKey));
    return out;
}

void writeFile(const QString& path, const std::string& bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes.data(), qint64(bytes.size()));
}

} // namespace

TEST(CharacterGlyph, DigitsSpaceAndMinusFollowTheStyle)
{
    const auto five = glyphForCharacter('5', KeepAspect);
    ASSERT_TRUE(five);
    EXPECT_EQ(five->SegmentCount(), 7);
    EXPECT_EQ(five->Mask(), 107);
    EXPECT_EQ(glyphForCharacter('-', 0)->Mask(), 8);
    EXPECT_EQ(glyphForCharacter(' ', 0)->Mask(), 0);
    EXPECT_EQ(glyphForCharacter(' ', 0)->Width(), 49);

    const auto wideFive = glyphForCharacter('5', FourteenSegmentDigits);
    EXPECT_EQ(wideFive->SegmentCount(), 14);
    EXPECT_EQ(wideFive->Mask(), 11712);
    EXPECT_EQ(glyphForCharacter('-', FourteenSegmentDigits)->Mask(), 192);
}

TEST(CharacterGlyph, LettersAndSignsAreFourteenSegmentDotsAreNarrow)
{
    EXPECT_EQ(glyphForCharacter('A', 0)->Mask(), 15296);
    EXPECT_EQ(glyphForCharacter('Z', 0)->Mask(), 9228);
    EXPECT_EQ(glyphForCharacter('O', 0)->Mask(), glyphForCharacter('0', FourteenSegmentDigits)->Mask());
    EXPECT_EQ(glyphForCharacter('*', 0)->Mask(), 255);
    EXPECT_EQ(glyphForCharacter('+', 0)->Mask(), 225);
    EXPECT_EQ(glyphForCharacter('M', 0)->SegmentCount(), 14);
    const auto colon = glyphForCharacter(':', 0);
    EXPECT_EQ(colon->Width(), 18);
    EXPECT_EQ(colon->Mask(), 3);
    EXPECT_EQ(glyphForCharacter('.', CurvedOutlines)->Mask(), 4);
}

TEST(CharacterGlyph, EverythingElseIsSkipped)
{
    for (char c : std::string(",/#a_!@\x7F"))
        EXPECT_FALSE(glyphForCharacter(c, 0)) << int(c);
    for (int byte = 0x80; byte <= 0xFF; ++byte)
        EXPECT_FALSE(glyphForCharacter(char(byte), 0)) << byte;
}

TEST(GbkBytes, UpperCasingTouchesOnlyAsciiLetters)
{
    // "现金" in GBK is CF D6 BD F0; 0xCF 0x61 pairs a lead byte with a trail byte of 'a'.
    std::string text = "abc\xCF\xD6z\xCF" "a" "q";
    upperCaseGbk(text);
    EXPECT_EQ(text, "ABC\xCF\xD6Z\xCF" "a" "Q");
    std::string trailingLead = "x\x81";
    upperCaseGbk(trailingLead);
    EXPECT_EQ(trailingLead, "X\x81");
}

TEST(GbkBytes, BarThatTrailsALeadByteIsNotABar)
{
    // 0x81 0x7C is one double-byte character.
    const std::string text = "|\x81|a|";
    EXPECT_EQ(findGbkByte(text, '|', 1), 4u);
    EXPECT_EQ(findGbkByte(text, '|', 0), 0u);
    EXPECT_EQ(findGbkByte("abc", '|', 0), std::string::npos);
}

TEST(TickerSegments, SegmentsAreClosedByBarsAfterOneHiddenCharacter)
{
    using V = std::vector<std::string_view>;
    EXPECT_EQ(tickerSegments("|X|Y|Z|"), (V{"X", "Y", "Z"}));
    EXPECT_EQ(tickerSegments("|X|Y"), (V{"X"}));
    EXPECT_EQ(tickerSegments("||X|"), V{});
    EXPECT_EQ(tickerSegments("Error : Couldnt load File..."), V{});
    EXPECT_EQ(tickerSegments(""), V{});
    EXPECT_EQ(tickerSegments("|"), V{});
    EXPECT_EQ(tickerSegments("*one|two|"), (V{"one", "two"}));
    EXPECT_EQ(tickerSegments("|\x81|a|b|"), (V{"\x81|a", "b"}));
}

TEST(TipsFile, UnscramblesUpToTheFirstZeroByte)
{
    EXPECT_EQ(unscrambleTips(scrambled("|tip one|tip two|")), "|tip one|tip two|");
    EXPECT_EQ(unscrambleTips(scrambled(std::string("|a|\0|b|", 7))), "|a|");
    EXPECT_EQ(unscrambleTips(""), "");
}

TEST(TipsFile, ReadsTheFileAndAMissingOneGivesNothing)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath("tips.txt");
    EXPECT_FALSE(readTipsFile(path));

    writeFile(path, "");
    ASSERT_TRUE(readTipsFile(path));
    EXPECT_EQ(*readTipsFile(path), "");

    const std::string gbk = "|\xBB\xB6\xD3\xAD|"; // |欢迎|
    writeFile(path, scrambled(gbk));
    EXPECT_EQ(readTipsFile(path), gbk);

    // Past the bound with no bar at all: no whole segment, no text.
    writeFile(path, scrambled(std::string(kMaxTipsFileBytes + 1000, 'x')));
    EXPECT_EQ(readTipsFile(path), "");
}

TEST(TipsFile, IsReadWholeAndABoundlessOneEndsAtAWholeSegment)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath("tips.txt");

    // Tens of thousands of tips, a MiB and more: every one arrives, and the ticker takes them
    // within a start-up's patience. Here that is well under a second; the bound is loose for a
    // loaded test machine and still catches work that grows with the square of the text.
    std::string many = "|";
    int count = 0;
    while (many.size() < 1024 * 1024) {
        many += "tip number " + std::to_string(count++) + " \xD6\xD0|"; // a GBK character in each
    }
    writeFile(path, scrambled(many));
    TickerControl ticker;
    ticker.resize(400, 30);
    QElapsedTimer clock;
    clock.start();
    ticker.loadTips(0xFFFFFF, 0x2BFFFF, "Comic Sans MS", 17, 4, path);
    ticker.grab(); // the first frame measures the text
    const qint64 loadMs = clock.elapsed();
    EXPECT_EQ(ticker.getText(), many);
    EXPECT_EQ(tickerSegments(ticker.getText()).size(), std::size_t(count));
    EXPECT_LT(loadMs, 10000);

    // Past the bound the text stops after the last bar before it; a bar inside a double-byte
    // character is no bar.
    std::string huge = "|";
    while (huge.size() < kMaxTipsFileBytes - 40)
        huge += "a tip|";
    huge += std::string(30, 'x') + "\x81|" + std::string(100, 'y') + "|";
    writeFile(path, scrambled(huge));
    const std::optional<std::string> read = readTipsFile(path);
    ASSERT_TRUE(read);
    EXPECT_LE(read->size(), kMaxTipsFileBytes);
    EXPECT_EQ(read->back(), '|');
    EXPECT_EQ(*read, huge.substr(0, read->size()));
    EXPECT_EQ(read->find('x'), std::string::npos);
}

// Pipes and devices at a file's name are POSIX's; the Windows file layer's own tests refuse them.
#ifndef _WIN32
TEST(TipsFile, APipeOrADeviceInItsPlaceIsNoTipsFile)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString fifo = dir.filePath("tips.txt");
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    QElapsedTimer clock;
    clock.start();
    EXPECT_FALSE(readTipsFile(fifo)); // with no writer, opening it for reading would wait forever
    EXPECT_FALSE(readTipsFile(QStringLiteral("/dev/zero")));
    EXPECT_LT(clock.elapsed(), 1000);

    // A pipe swapped in for the file, over and over, while games start and read it: no read
    // may wait on it. The reads run in a thread of their own, so that one that waits fails the
    // test instead of holding up the suite (the thread is then left behind).
    const QString plain = dir.filePath("plain"), next = dir.filePath("next");
    writeFile(plain, scrambled("|tip|"));
    auto stop = std::make_shared<std::atomic<bool>>(false);
    auto counts = std::make_shared<std::promise<std::pair<int, int>>>();
    std::future<std::pair<int, int>> reads = counts->get_future();
    std::thread([fifo, stop, counts] {
        int texts = 0, none = 0;
        while (!*stop) {
            const std::optional<std::string> text = readTipsFile(fifo);
            texts += text == std::string("|tip|");
            none += !text;
        }
        counts->set_value({texts, none});
    }).detach();
    const QByteArray tips = QFile::encodeName(fifo), plainName = QFile::encodeName(plain), nextName = QFile::encodeName(next);
    clock.restart();
    while (clock.elapsed() < 500) {
        ASSERT_EQ(::link(plainName.constData(), nextName.constData()), 0);
        ASSERT_EQ(::rename(nextName.constData(), tips.constData()), 0);
        ASSERT_EQ(::mkfifo(nextName.constData(), 0600), 0);
        ASSERT_EQ(::rename(nextName.constData(), tips.constData()), 0);
    }
    *stop = true;
    ASSERT_EQ(reads.wait_for(std::chrono::seconds(5)), std::future_status::ready) << "a read waits on the pipe";
    const auto [texts, none] = reads.get();
    EXPECT_GT(texts, 0);
    EXPECT_GT(none, 0);
}
#endif
