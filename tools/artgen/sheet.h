// The contact sheet: every icon and bitmap on one page, for looking at the artwork.
#pragma once

#include "tools/artgen/bulbs.h"
#include "tools/artgen/pictures.h"

namespace art {

Image ContactSheet(const std::vector<NamedIcon>& bulbs, const std::vector<NamedIcon>& program,
                   const std::vector<NamedBitmap>& bitmaps);

} // namespace art
