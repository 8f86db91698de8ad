// See zoom.h.
#include "ui/zoom.h"

#include <cmath>

namespace festoon {

namespace {

constexpr double kRadiansPerDegree = 0.017453292222222222; // 3.1415926 / 180

// Rounded, not truncated: the angle factor is a hair short of pi, so at half
// a turn cos is just above -1 and truncation would land every corner one
// pixel inside the dialog's frame instead of on it.
ZoomPoint Turn(int cx, int cy, int a, int b, double c, double s) {
    return ZoomPoint{cx + static_cast<int>(std::lround(c * a + s * b)),
                     cy + static_cast<int>(std::lround(c * b - s * a))};
}

double Between(int from, int to, int i, int n) {
    return from + static_cast<double>(to - from) * i / n;
}

} // namespace

std::vector<ZoomOutline> ZoomOpenOutlines(const ZoomRect& from, const ZoomRect& to, int n,
                                          int direction) {
    std::vector<ZoomOutline> out;
    if (n < 1) return out;
    for (int i = 0; i <= n; ++i) {
        // Each edge from its two ends, not by adding up a rounded step: the
        // sum drifts by a fraction, which put the last outline a pixel off.
        const double L = Between(from.left, to.left, i, n), T = Between(from.top, to.top, i, n);
        const double R = Between(from.right, to.right, i, n);
        const double B = Between(from.bottom, to.bottom, i, n);
        const int cx = static_cast<int>((L + R) * 0.5);
        const int cy = static_cast<int>((T + B) * 0.5);
        const int a1 = static_cast<int>(cx - L), a2 = static_cast<int>(cx - R);
        const int b1 = static_cast<int>(cy - T), b2 = static_cast<int>(cy - B);
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
