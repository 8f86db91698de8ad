// See zoom.h.
#include "ui/zoom.h"

#include <cmath>

namespace festoon {

namespace {

constexpr double kRadiansPerDegree = 0.017453292222222222; // 3.1415926 / 180

ZoomPoint Turn(int cx, int cy, int a, int b, double c, double s) {
    return ZoomPoint{cx + static_cast<int>(c * a + s * b), cy + static_cast<int>(c * b - s * a)};
}

} // namespace

std::vector<ZoomOutline> ZoomOpenOutlines(const ZoomRect& from, const ZoomRect& to, int n,
                                          int direction) {
    std::vector<ZoomOutline> out;
    if (n < 1) return out;
    const float fn = static_cast<float>(n);
    const float dL = static_cast<float>(to.left - from.left) / fn;
    const float dT = static_cast<float>(to.top - from.top) / fn;
    const float dR = static_cast<float>(to.right - from.right) / fn;
    const float dB = static_cast<float>(to.bottom - from.bottom) / fn;
    float L = static_cast<float>(from.left), T = static_cast<float>(from.top);
    float R = static_cast<float>(from.right), B = static_cast<float>(from.bottom);
    for (int i = 0; i <= n; ++i) {
        const int cx = static_cast<int>((L + R) * 0.5f);
        const int cy = static_cast<int>((T + B) * 0.5f);
        const int a1 = static_cast<int>(static_cast<float>(cx) - L);
        const int a2 = static_cast<int>(static_cast<float>(cx) - R);
        const int b1 = static_cast<int>(static_cast<float>(cy) - T);
        const int b2 = static_cast<int>(static_cast<float>(cy) - B);
        int degrees = (180 * i) / n;
        if (direction) degrees = -degrees;
        const double theta = degrees * kRadiansPerDegree;
        const double c = std::cos(theta), s = std::sin(theta);
        ZoomOutline o;
        o.p[0] = Turn(cx, cy, a1, b1, c, s);
        o.p[1] = Turn(cx, cy, a2, b1, c, s);
        o.p[2] = Turn(cx, cy, a2, b2, c, s);
        o.p[3] = Turn(cx, cy, a1, b2, c, s);
        o.p[4] = o.p[0];
        out.push_back(o);
        L += dL;
        T += dT;
        R += dR;
        B += dB;
    }
    return out;
}

ZoomRect ZoomCloseRect(const ZoomRect& w, int n, int i) {
    if (n < 1) n = 1;
    const int cx = (w.left + w.right) / 2;
    const int cy = (w.top + w.bottom) / 2;
    const double t = 1.0 - static_cast<double>(i) / n;
    auto mix = [t](int centre, int edge) { return static_cast<int>((1 - t) * centre + t * edge); };
    return ZoomRect{mix(cx, w.left), mix(cy, w.top), mix(cx, w.right), mix(cy, w.bottom)};
}

std::vector<std::vector<int>> ZoomCloseFrames(int n) {
    // The trail is three rectangles long; fewer steps could not erase it.
    if (n < 3) n = 3;
    std::vector<std::vector<int>> frames;
    for (int i = 0; i < 3; ++i) frames.push_back({i});
    for (int i = 0; i <= n - 3; ++i) frames.push_back({i, i + 3});
    for (int i = n - 2; i <= n; ++i) frames.push_back({i});
    return frames;
}

std::uint32_t PauseRemaining(std::uint32_t start, std::uint32_t now, std::uint32_t period) {
    const std::uint32_t elapsed = now - start;
    return elapsed >= period ? 0 : period - elapsed;
}

} // namespace festoon
