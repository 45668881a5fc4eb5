#pragma once
// What the rules need of the window that shows them. The game window implements it with the
// real dialogs and displays; tests implement it with a scripted host.

#include <string>

namespace rules {

enum class StatusDisplay { Cash, Savings, Debt, Health };

class GameHost {
public:
    virtual ~GameHost() = default;
    // The display shows this decimal text of its new value.
    virtual void refreshDisplay(StatusDisplay display, const std::string& text) = 0;
    // The market list must be redrawn from the state's offers.
    virtual void marketRebuilt() = 0;
};

} // namespace rules
