// The bitmaps: the flash preview cells, the power switch, the logos and title
// pictures of the dialogs, and the screen saver's snowman and tree.
#pragma once

#include "tools/artgen/bulbs.h"
#include "tools/artgen/canvas.h"

#include <string>
#include <vector>

namespace art {

struct NamedBitmap {
    std::string name; // resource name or number
    Image img;        // fully opaque
};

std::vector<NamedBitmap> Bitmaps(const std::vector<NamedIcon>& bulbs);

// A picture with smooth edges against a solid background.
Image Picture(int w, int h, Rgb bg, const std::vector<Layer>& layers, int ss = 4);

} // namespace art
