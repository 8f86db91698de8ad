// Counted holders for the device contexts the dialogs make for one paint: a
// memory DC and a DC for the whole display. Like the holders of
// app/resource_count_win.h they count what they create, so that a test can
// see that painting leaves nothing behind.
#pragma once

#include <windows.h>

#include "app/resource_count_win.h"

class MemoryDC {
  public:
    explicit MemoryDC(HDC like) : hdc_(CreateCompatibleDC(like)) {
        if (hdc_) CountAcquired(kResDc);
    }
    ~MemoryDC() {
        if (hdc_ && DeleteDC(hdc_)) CountReleased(kResDc);
    }
    MemoryDC(const MemoryDC&) = delete;
    MemoryDC& operator=(const MemoryDC&) = delete;
    HDC get() const { return hdc_; }

  private:
    HDC hdc_;
};

class DisplayDC {
  public:
    DisplayDC() : hdc_(CreateDCA("DISPLAY", nullptr, nullptr, nullptr)) {
        if (hdc_) CountAcquired(kResDc);
    }
    ~DisplayDC() {
        if (hdc_ && DeleteDC(hdc_)) CountReleased(kResDc);
    }
    DisplayDC(const DisplayDC&) = delete;
    DisplayDC& operator=(const DisplayDC&) = delete;
    HDC get() const { return hdc_; }

  private:
    HDC hdc_;
};

// A counted icon loaded at a size, destroyed with the holder.
class LoadedIcon {
  public:
    LoadedIcon(const char* name, int size) : icon_(name ? LoadCountedIcon(name, size) : nullptr) {}
    ~LoadedIcon() { DestroyCountedIcon(icon_); }
    LoadedIcon(const LoadedIcon&) = delete;
    LoadedIcon& operator=(const LoadedIcon&) = delete;
    HICON get() const { return icon_; }

  private:
    HICON icon_;
};
