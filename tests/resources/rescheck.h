// Shared bits of festoon_rescheck: the check counter and the module under test.
#pragma once

#include <windows.h>

#include <string>

namespace rescheck {

// Records one check; prints the message when it fails. Returns the condition.
bool Check(bool ok, const std::string& what);
int Failures();

// Icon checks through the real loader and DrawIconEx (rescheck_icons_win.cpp).
void CheckIcons(HMODULE exe);

} // namespace rescheck
