#include "app/GameApp.h"

// The one application object, made before main runs.
static app::GameApp theGame;

int main(int, char* argv[])
{
    return theGame.run(argv[0]);
}
