#include "app/GameApp.h"

#include "app/artwork/Artwork.h"
#include "screens/StartDialog.h"

#include <QApplication>
#include <cassert>

namespace {

GameApp* theInstance = nullptr;

} // namespace

GameApp::GameApp()
{
    assert(!theInstance && "one GameApp per process");
    theInstance = this;
}

GameApp::~GameApp()
{
    theInstance = nullptr;
}

int GameApp::run(const char* programPath)
{
    // Only the program path reaches Qt, so no argument, not even Qt's own, changes anything.
    int argc = 1;
    char* argv[] = {const_cast<char*>(programPath), nullptr};
    QApplication application(argc, argv);
    installGameArtwork();

    StartDialog startScreen;
    startScreen.runModal();
    // The start screen was the whole program; its result is not looked at.
    return 0;
}
