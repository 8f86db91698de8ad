// Book-keeping of the handles the program creates and releases. The system's
// own counters are not available everywhere (Wine lacks GetGuiResources), so
// every icon, GDI object and DC goes through these holders and counters, and
// the test hook reads them back.
#pragma once

#include <windows.h>

enum ResourceKind { kResIcon = 0, kResGdi = 1, kResDc = 2, kResKinds = 3 };

void CountAcquired(ResourceKind kind);
void CountReleased(ResourceKind kind);
long LiveCount(ResourceKind kind);

// Loads a named icon of the program's own resources at size x size pixels.
HICON LoadCountedIcon(const char* name, int size);
// Icons loaded since the start, released or not.
long IconLoads();
void DestroyCountedIcon(HICON icon);

// A DC from GetDC, released with the same window.
class WindowDC {
  public:
    explicit WindowDC(HWND hwnd);
    ~WindowDC();
    WindowDC(const WindowDC&) = delete;
    WindowDC& operator=(const WindowDC&) = delete;
    HDC get() const { return hdc_; }

  private:
    HWND hwnd_;
    HDC hdc_;
};

// Owns a created GDI object (pen, brush, bitmap, font) and deletes it.
class GdiObject {
  public:
    explicit GdiObject(HGDIOBJ obj);
    ~GdiObject();
    GdiObject(const GdiObject&) = delete;
    GdiObject& operator=(const GdiObject&) = delete;
    HGDIOBJ get() const { return obj_; }

  private:
    HGDIOBJ obj_;
};

// Selects an object into a DC for the holder's lifetime.
class Selection {
  public:
    Selection(HDC hdc, HGDIOBJ obj)
        : hdc_(hdc), old_(hdc && obj ? SelectObject(hdc, obj) : nullptr) {}
    ~Selection() {
        if (old_) SelectObject(hdc_, old_);
    }
    Selection(const Selection&) = delete;
    Selection& operator=(const Selection&) = delete;

  private:
    HDC hdc_;
    HGDIOBJ old_;
};

// A memory DC made for one paint, and a DC for the whole display (the zoom
// effects draw on it); both counted like the holders above.
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
