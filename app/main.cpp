#include "app/GameApp.h"

// The one application object, made before main runs.
static GameApp theGame;

int main(int, char* argv[])
{
    return theGame.run(argv[0]);
}
