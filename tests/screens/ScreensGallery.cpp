// Shows one of the game's windows with believable figures and keeps it open until the process
// is stopped, so screenshots can be taken of the real windows.
// Usage: screens_gallery game|buy|sell|amount|bank|hospital|repay|airport|about|news|diary [message]

#include "GamePlayer.h"
#include "app/artwork/Artwork.h"
#include "platform/Gbk.h"
#include "rules/Random.h"
#include "screens/AboutDialog.h"
#include "screens/AirportDialog.h"
#include "screens/AmountDialog.h"
#include "screens/BankDialog.h"
#include "screens/BuyQuantityDialog.h"
#include "screens/DiaryDialog.h"
#include "screens/HospitalDialog.h"
#include "screens/NewsDialog.h"
#include "screens/RepayDialog.h"
#include "screens/SellQuantityDialog.h"

#include <QApplication>
#include <cstdio>
#include <cstring>
#include <memory>

using platform::utf8ToGbk;
using namespace screens;

namespace {

// Three days of buying the cheapest goods and selling what the market takes; the window is
// left open on the fourth day.
void tradeForAFewDays()
{
    // Once the days are traded, dialogs the viewer opens stay open for the camera.
    static bool trading = true;
    ModalScript script;
    script
        .then([](QWidget* top) {
            auto& window = *static_cast<GameDialog*>(top);
            for (int day = 0; day < 3; ++day) {
                const auto& offers = window.state().offers;
                int cheapest = 0;
                for (size_t i = 1; i < offers.size(); ++i)
                    if (offers[i].price < offers[size_t(cheapest)].price)
                        cheapest = int(i);
                clickRow(window.marketList(), cheapest);
                clickControl(window, GameDialog::kBuy);
                pressStation(window, day * 3);
            }
            clickRow(window.marketList(), 0);
            trading = false;
        })
        .otherwise([](QWidget* dialog) {
            if (!trading || qobject_cast<GameDialog*>(dialog))
                return;
            // Quantity dialogs take their preset; messages are read and closed.
            pressKey(dialog, Qt::Key_Return);
        });
    script.run([] {
        rules::GameRandom random(20261207);
        GameDialog window(random);
        window.runModal();
    });
}

std::unique_ptr<platform::TemplateDialog> dialogNamed(const char* name, const char* message)
{
    if (!std::strcmp(name, "buy"))
        return std::make_unique<BuyQuantityDialog>(std::string("1900元人民币,最多可以买38个盗版VCD、游戏。"), 38, 0, 38);
    if (!std::strcmp(name, "sell"))
        return std::make_unique<SellQuantityDialog>(
            std::string("您有38个《上海小宝贝》（禁书），想卖出多少？"), 38, 0, 38);
    if (!std::strcmp(name, "amount"))
        return std::make_unique<AmountDialog>(std::string("您存多少钱?"), 2000, 0, 2000);
    if (!std::strcmp(name, "bank"))
        return std::make_unique<BankDialog>(std::string("客户您好! 您的现金是2000, 您的存款是0. 请问您要..."),
                                            [](bool) {});
    if (!std::strcmp(name, "hospital"))
        return std::make_unique<HospitalDialog>(
            std::string("大夫高兴地拍着手：“您的健康点数是85，需要治疗的点数是15。"), 15, 1, 15);
    if (!std::strcmp(name, "repay"))
        return std::make_unique<RepayDialog>(std::string("村长在电话中说：\"小子! 你欠俺5832元，快还!\""), 5832, 0,
                                             5832);
    if (!std::strcmp(name, "news"))
        return std::make_unique<NewsDialog>(message ? platform::utf8ToGbk(message) : std::string("雄心勃勃的小vu来到了北京!发财是唯一的目标!"));
    if (!std::strcmp(name, "diary"))
        return std::make_unique<DiaryDialog>(message ? platform::utf8ToGbk(message) : std::string("俺明天回家乡，快把全部货物卖掉。"));
    if (!std::strcmp(name, "airport"))
        return std::make_unique<AirportDialog>();
    if (!std::strcmp(name, "about"))
        return std::make_unique<AboutDialog>();
    return nullptr;
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    app::installGameArtwork();
    const char* name = argc > 1 ? argv[1] : "game";
    if (!std::strcmp(name, "game")) {
        tradeForAFewDays();
        return 0;
    }
    std::unique_ptr<platform::TemplateDialog> dialog = dialogNamed(name, argc > 2 ? argv[2] : nullptr);
    if (!dialog) {
        std::fprintf(stderr, "unknown window: %s\n", name);
        return 2;
    }
    return dialog->runModal();
}
