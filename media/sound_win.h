// Short sounds of the user interface, played from WAVE resources in memory.
#pragma once

// Plays the named WAVE resource ("Keyclick") without waiting, cutting off the
// sound before it; does nothing while the Sound setting is off. A name that
// no resource bears plays nothing, never the system's default sound.
void PlaySoundEffect(const char* name);

#ifdef FESTOON_TEST_BUILD
// Sounds started since the program began, for the tests.
long SoundEffectsStarted();
#endif
