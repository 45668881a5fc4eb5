#pragma once
// The application: the one object that starts the game, runs the start screen as the main
// window, and ends the process when that screen closes.

namespace app {

class GameApp {
public:
    // Runs the start screen until it closes and returns the process's exit code. Command-line
    // arguments are not used: the program path is all the platform is given.
    int run(const char* programPath);
};

} // namespace app
