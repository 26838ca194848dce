#pragma once
// The terminal colour that shows a palette colour: the exact one on terminals with
// direct colour, the nearest of the terminal's colours otherwise.
#include <cstdint>

// rgb: 0x00RRGGBB. colours: how many the terminal has (COLORS). On direct-colour
// terminals (16777216 colours or more) the result is the RGB value itself; on 256-colour
// terminals one of the fixed colour cube and grey ramp (16 to 255), whose values do not
// depend on the terminal's theme; on 8- and 16-colour terminals the nearest of the
// standard ones.
int nearestTerminalColour(std::uint32_t rgb, int colours);
