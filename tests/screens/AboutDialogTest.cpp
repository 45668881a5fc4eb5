#include "ModalScript.h"
#include "platform/AppFiles.h"
#include "platform/Resources.h"
#include "platform/Gbk.h"
#include "screens/AboutDialog.h"

#include <QFontMetrics>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

using namespace platform;
using namespace screens;

namespace {


// Pictures of a known size and colour per id, so the test sees which resource each control shows.
void registerTestPictures()
{
    setResourceSource({
        [](int id) {
            QPixmap picture(id == 144 ? QSize(149, 17) : QSize(10, 10));
            picture.fill(QColor(id, 0, 0));
            return picture;
        },
        [](int id) {
            QPixmap picture(32, 32);
            picture.fill(QColor(0, id, 0));
            return QIcon(picture);
        },
    });
}

QList<QLabel*> labelsWithText(const QWidget& dialog, const QString& text)
{
    QList<QLabel*> found;
    for (QLabel* label : dialog.findChildren<QLabel*>())
        if (label->text() == text)
            found << label;
    return found;
}

QLabel* pictureOf(const QWidget& dialog, int resourceId)
{
    for (QLabel* label : dialog.findChildren<QLabel*>())
        if (label->property("resourceId").toInt() == resourceId)
            return label;
    return nullptr;
}

} // namespace

TEST(AboutDialog, ShowsNameVersionOwnLinesIconAndBanner)
{
    registerTestPictures();
    AboutDialog about;
    const DialogUnits& u = about.units();
    EXPECT_EQ(about.templateId(), 100);
    EXPECT_EQ(about.windowTitle(), QStringLiteral("关于都市货郎记"));
    EXPECT_EQ(about.size(), QSize(u.toPixelsX(217), u.toPixelsY(183)));

    for (const char* fixed : {"都市货郎记", "V 1.0.3版，build 0101", "本游戏描述的场景与现实无任何关系。"})
        EXPECT_EQ(labelsWithText(about, platform::fromGbk(fixed)).size(), 1) << fixed;
    EXPECT_EQ(about.button(IDOK)->text(), QString("OK"));
    EXPECT_TRUE(about.button(IDOK)->isDefault());
    EXPECT_EQ(about.button(AboutDialog::kCreditButton)->geometry(), u.toPixels(15, 25, 6, 6));

    // Our four further lines stand at their places, are Chinese text, and fit their rectangles.
    const QRect furtherLines[] = {u.toPixels(21, 36, 189, 8), u.toPixels(19, 100, 179, 8),
                                  u.toPixels(9, 113, 191, 8), u.toPixels(5, 143, 200, 8)};
    for (const QRect& place : furtherLines) {
        QLabel* line = nullptr;
        for (QLabel* label : about.findChildren<QLabel*>())
            if (label->geometry() == place)
                line = label;
        ASSERT_NE(line, nullptr);
        EXPECT_FALSE(line->text().isEmpty());
        EXPECT_GE(line->text().front().unicode(), 0x4E00u);
        EXPECT_LE(QFontMetrics(line->font()).horizontalAdvance(line->text()), place.width()) << line->text().toStdString();
    }

    QLabel* icon = pictureOf(about, 128);
    ASSERT_NE(icon, nullptr);
    EXPECT_EQ(icon->pos(), QPoint(u.toPixelsX(6), u.toPixelsY(8)));
    EXPECT_EQ(icon->pixmap().toImage().pixelColor(5, 5), QColor(0, 128, 0));
    QLabel* banner = pictureOf(about, 144);
    ASSERT_NE(banner, nullptr);
    EXPECT_EQ(banner->pos(), QPoint(u.toPixelsX(47), u.toPixelsY(127)));
    EXPECT_EQ(banner->pixmap().size(), QSize(149, 17));
    setResourceSource({});
}

TEST(AboutDialog, ClosesOnOkEnterEscAndTheCloseBox)
{
    ModalScript script;
    script.then([](QWidget* d) { clickButton(d, IDOK); })
        .then([](QWidget* d) { pressKey(d, Qt::Key_Return); })
        .then([](QWidget* d) { pressKey(d, Qt::Key_Escape); })
        .then([](QWidget* d) { closeBox(d); });
    std::vector<int> results;
    script.run([&] {
        for (int i = 0; i < 4; ++i)
            results.push_back(AboutDialog().runModal());
    });
    ASSERT_TRUE(script.finished()) << script.unexpected().join('\n').toStdString();
    EXPECT_EQ(results, (std::vector<int>{IDOK, IDOK, IDCANCEL, IDCANCEL}));
}

TEST(AboutDialog, CreditButtonShowsTheCreditOnClickAndDoubleClick)
{
    QStringList credits;
    auto answerCredit = [&](QWidget* d) {
        // The about box comes back to the top after each credit; only the credits are answered.
        auto* box = qobject_cast<QMessageBox*>(d);
        if (!box)
            return;
        EXPECT_EQ(box->windowTitle(), applicationTitle());
        EXPECT_EQ(box->buttons().size(), 1);
        credits << box->text();
        clickButton(d, 0);
    };
    int creditsAfterClick = 0;
    ModalScript script;
    script
        .then([&](QWidget* d) {
            QPushButton* credit = static_cast<AboutDialog*>(d)->button(AboutDialog::kCreditButton);
            pointerAt(credit, Pointer::Click);
            creditsAfterClick = int(credits.size());
            pointerAt(credit, Pointer::DoubleClick);
            pressKey(d, Qt::Key_Escape);
        })
        .otherwise(answerCredit);
    script.run([] { AboutDialog().runModal(); });
    EXPECT_TRUE(script.finished());
    EXPECT_EQ(creditsAfterClick, 1);
    EXPECT_EQ(credits.size(), 3) << "each press of the double-click shows the credit";
    for (const QString& text : credits) {
        EXPECT_EQ(text, AboutDialog::creditText());
        EXPECT_FALSE(text.contains('\n'));
    }
}
