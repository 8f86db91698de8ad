// Where the calendar window goes when its remembered rectangle cannot be seen:
// a monitor was removed, or the file was edited by hand. The window is moved
// onto the work area rather than opened where nobody can reach it.
#pragma once

#include "settings/settings.h"

namespace festoon {

// r moved (and, when larger, shrunk) so that it lies wholly inside area; its
// size is kept when it fits.
PlacementRect MoveOntoArea(const PlacementRect& r, const PlacementRect& area);

} // namespace festoon
