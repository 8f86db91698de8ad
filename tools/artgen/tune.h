// The first-run tune (a Standard MIDI File) and the key-click sound.
#pragma once

#include "tools/artgen/formats.h"

namespace art {

// "Deck the Halls" (traditional Welsh carol): an introduction, three verses with
// melody, bass, strings and sleigh bells, and a final chord.
Bytes XmasTune();
// 45 ms of click: RIFF/WAVE PCM, 2 channels, 22050 Hz, 8 bits, 2000 data bytes.
Bytes KeyClick();

} // namespace art
