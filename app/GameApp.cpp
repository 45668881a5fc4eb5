#include "app/GameApp.h"

#include "app/artwork/Artwork.h"
#include "platform/AccessibilityBus.h"
#include "platform/AppFiles.h"
#include "platform/Desktop.h"
#include "platform/Gbk.h"
#include "platform/MessageBox.h"
#include "rules/Random.h"
#include "screens/GameKeeper.h"
#include "screens/ScoreKeeper.h"
#include "screens/StartDialog.h"

#include <QApplication>
#include <cstdlib>

namespace app {

constexpr int kNoGbkExitCode = 1;

int GameApp::run(const char* programPath)
{
    // Only the program path reaches Qt, so no argument, not even Qt's own, changes anything.
    int argc = 1;
    char* argv[] = {const_cast<char*>(programPath), nullptr};
    platform::stayOnAccessibilityBus();
    QApplication application(argc, argv);
    if (!platform::gbkConverterAvailable()) {
        // Every text of the game is GBK: without the converter each would come out empty.
        platform::messageBox(nullptr, QStringLiteral("This system cannot convert GBK (code page 936) text, "
                                                     "in which every text of the game is written."),
                             platform::MessageIcon::Error);
        return kNoGbkExitCode;
    }
    // Every dialog moves the focus; on Wayland each move would ask for the activation of a
    // window that the next dialog is about to cover.
    platform::stopActivationRequestsOnFocusMoves();
    platform::installAccessibility();
    installGameArtwork();
    // The end of the desktop session (on Windows, its end message; elsewhere the session
    // manager's quit): the game in progress is already on disk, and no dialog may hold up the
    // logout, so the process ends here, and the game is not scored.
    QObject::connect(&application, &QCoreApplication::aboutToQuit, [] { std::_Exit(0); });
    // The desktop entry this program belongs to: its icon and name in the task list.
    QGuiApplication::setDesktopFileName(QStringLiteral("cn.dushihuolang.DushiHuolang"));

    screens::ScoreKeeper scores(platform::scoreFilePath());
    // One sequence of dice for the whole run.
    rules::GameRandom random;
    screens::GameKeeper games(platform::savedGamePath());
    screens::StartDialog startScreen(
        scores, [&random](const screens::GameStart& start) { return screens::StartDialog::playGameInWindow(random, start); },
        &games);
    startScreen.runModal();
    // The start screen was the whole program; its result is not looked at.
    return 0;
}

} // namespace app
