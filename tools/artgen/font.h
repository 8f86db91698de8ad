// A 5x7 pixel font for the lettering in the pictures and the labels of the contact
// sheet. Lower-case letters are drawn as capitals.
#pragma once

#include "tools/artgen/canvas.h"

#include <string>

namespace art {

// Rows of one glyph, bit 4 the leftmost column; all zero for an unknown character.
const uint8_t* Glyph(char c);
int TextWidth(const std::string& s, int scale); // includes one blank column per glyph
void DrawText(Image& img, const std::string& s, int x, int y, int scale, Rgb colour);

} // namespace art
