#include "rules/Services.h"

namespace rules {

void openAirport(GameState&, GameHost& host)
{
    host.showAirport();
}

} // namespace rules
