#include "ModalScript.h"
#include "app/artwork/Artwork.h"
#include "platform/Gbk.h"
#include "screens/DiaryDialog.h"
#include "screens/NewsDialog.h"

#include <QLabel>
#include <QSet>
#include <memory>
#include <QPushButton>
#include <QGuiApplication>
#include <QFontDatabase>
#include <QFontInfo>
#include <gtest/gtest.h>

using platform::IDOK;
using namespace screens;

TEST(MessageDialogs, ShowTheirMessageAndCloseOnEnterEscOrTheButton)
{
    const std::string news = std::string("市场上充斥着来自福建的走私香烟!");
    const std::string diary = std::string("俺在过街地道被人打了蒙棍! 俺的健康减少了20点。");
    struct Seen {
        QString title;
        std::string text;
        bool focusOnOk;
    };
    std::vector<Seen> seen;
    auto record = [&](QWidget* d) {
        auto* dialog = static_cast<platform::TemplateDialog*>(d);
        seen.push_back({d->windowTitle(), gbkTextOf(d), d->focusWidget() == dialog->button(IDOK)});
    };

    ModalScript script;
    script.then([&](QWidget* d) { record(d); pressKey(d, Qt::Key_Return); })
        .then([&](QWidget* d) { record(d); pressKey(d, Qt::Key_Escape); })
        .then([&](QWidget* d) { record(d); clickButton(d, IDOK); })
        .then([&](QWidget* d) { record(d); closeBox(d); });
    script.run([&] {
        NewsDialog(news).runModal();
        DiaryDialog(diary).runModal();
        NewsDialog(news).runModal();
        DiaryDialog(diary).runModal();
    });
    ASSERT_TRUE(script.finished()) << script.unexpected().join('\n').toStdString();
    ASSERT_EQ(seen.size(), 4u);
    EXPECT_EQ(seen[0].title, QStringLiteral("北京新闻"));
    EXPECT_EQ(seen[0].text, news);
    EXPECT_EQ(seen[1].title, QStringLiteral("我在北京的岁月"));
    EXPECT_EQ(seen[1].text, diary) << "the trailing blank of an event text is kept";
    for (const Seen& s : seen)
        EXPECT_TRUE(s.focusOnOk);
}

TEST(MessageDialogs, LayOutTheirControlsFromTheirTemplates)
{
    DiaryDialog diary(std::string("x"));
    const auto& u = diary.units();
    EXPECT_EQ(diary.templateId(), 142);
    EXPECT_EQ(diary.size(), QSize(u.toPixelsX(319), u.toPixelsY(75)));
    EXPECT_EQ(diary.button(IDOK)->text(), QStringLiteral("关上日记本"));
    EXPECT_EQ(diary.button(IDOK)->geometry(), u.toPixels(128, 55, 75, 14));
    EXPECT_EQ(diary.label(MessageDialog::kMessageId)->geometry(), u.toPixels(65, 26, 250, 8));
    EXPECT_TRUE(diary.label(MessageDialog::kMessageId)->alignment() & Qt::AlignHCenter);

    NewsDialog news(std::string("x"));
    EXPECT_EQ(news.size(), QSize(news.units().toPixelsX(334), news.units().toPixelsY(68)));
    EXPECT_EQ(news.button(IDOK)->text(), QStringLiteral("确 定"));
}

TEST(MessageDialogs, ShowTheirOwnPictureBesideTheMessage)
{
    app::installGameArtwork();
    const std::string welcome = std::string("雄心勃勃的小vu来到了北京!发财是唯一的目标!");
    for (int kind = 0; kind < 2; ++kind) {
        std::unique_ptr<MessageDialog> dialog;
        if (kind == 0)
            dialog = std::make_unique<NewsDialog>(welcome);
        else
            dialog = std::make_unique<DiaryDialog>(welcome);
        dialog->show();
        const int resource = kind == 0 ? 140 : 141;
        QLabel* picture = nullptr;
        for (QLabel* label : dialog->findChildren<QLabel*>())
            if (label->property("resourceId").toInt() == resource)
                picture = label;
        ASSERT_NE(picture, nullptr);
        const QImage image = picture->pixmap().toImage();
        ASSERT_EQ(image.size(), QSize(81, 102));
        // Not blank: a good share of the picture is painted, in several colours.
        QSet<QRgb> colours;
        int painted = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if (qAlpha(image.pixel(x, y)) > 0) {
                    ++painted;
                    colours.insert(image.pixel(x, y));
                }
        EXPECT_GT(painted, 81 * 102 / 2);
        EXPECT_GT(colours.size(), 8);
        // The picture lies inside the dialog; the centred message starts right of it (the
        // message's box reaches under the picture's edge, the text does not).
        EXPECT_TRUE(dialog->rect().contains(picture->geometry())) << "DBG " << dialog->rect().width() << "x" << dialog->rect().height() << " pic " << picture->geometry().x() << "," << picture->geometry().y() << " " << picture->geometry().width() << "x" << picture->geometry().height() << " font " << dialog->font().family().toStdString() << " platform=" << QGuiApplication::platformName().toStdString() << " zh=" << QFontDatabase::families(QFontDatabase::SimplifiedChinese).join(",").toStdString() << " all=" << QFontDatabase::families().join(",").toStdString() << " info=" << QFontInfo(dialog->font()).family().toStdString() << " " << dialog->units().baseX() << "/" << dialog->units().baseY();
        QLabel* message = dialog->label(MessageDialog::kMessageId);
        const int textLeft = message->geometry().center().x() -
                             QFontMetrics(message->font()).horizontalAdvance(message->text()) / 2;
        EXPECT_LT(picture->geometry().right(), textLeft);
        dialog->hide();
    }
    EXPECT_TRUE(app::gameBitmap(4711).isNull());
}
