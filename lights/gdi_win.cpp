// Counted handle holders; see the header for why the program counts.
#include "lights/gdi_win.h"

namespace {
long gLive[kResKinds];
long gIconLoads;
} // namespace

void CountAcquired(ResourceKind kind) { ++gLive[kind]; }
void CountReleased(ResourceKind kind) { --gLive[kind]; }
long LiveCount(ResourceKind kind) { return gLive[kind]; }
long IconLoads() { return gIconLoads; }

HICON LoadCountedIcon(const char* name, int size) {
    HICON icon = static_cast<HICON>(
        LoadImageA(GetModuleHandleA(nullptr), name, IMAGE_ICON, size, size, LR_DEFAULTCOLOR));
    if (icon) CountAcquired(kResIcon);
    ++gIconLoads;
    return icon;
}

void DestroyCountedIcon(HICON icon) {
    if (icon && DestroyIcon(icon)) CountReleased(kResIcon);
}

WindowDC::WindowDC(HWND hwnd) : hwnd_(hwnd), hdc_(GetDC(hwnd)) {
    if (hdc_) CountAcquired(kResDc);
}
WindowDC::~WindowDC() {
    if (hdc_ && ReleaseDC(hwnd_, hdc_)) CountReleased(kResDc);
}

GdiObject::GdiObject(HGDIOBJ obj) : obj_(obj) {
    if (obj_) CountAcquired(kResGdi);
}
GdiObject::~GdiObject() {
    if (obj_ && DeleteObject(obj_)) CountReleased(kResGdi);
}
