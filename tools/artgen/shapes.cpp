// Rotated shapes and path strokes used by the figures.
#include "tools/artgen/shapes.h"

#include <cmath>

namespace art {

namespace {
constexpr float kPi = 3.14159265f;
}

InFn EllipseRot(float cx, float cy, float rx, float ry, float degrees) {
    return Rotated(Ellipse(cx, cy, rx, ry), cx, cy, degrees);
}

InFn Rotated(InFn shape, float cx, float cy, float degrees) {
    float a = -degrees * kPi / 180.0f; // rotate the query point back
    float c = std::cos(a), s = std::sin(a);
    return [=](float x, float y) {
        float dx = x - cx, dy = y - cy;
        return shape(cx + dx * c - dy * s, cy + dx * s + dy * c);
    };
}

Path& Path::To(float x, float y) {
    if (!xs_.empty()) {
        float dx = x - xs_.back(), dy = y - ys_.back();
        len_.push_back(len_.back() + std::sqrt(dx * dx + dy * dy));
    } else {
        len_.push_back(0);
    }
    xs_.push_back(x);
    ys_.push_back(y);
    return *this;
}

Path& Path::Arc(float cx, float cy, float r, float fromDeg, float toDeg) {
    const int steps = 24;
    for (int i = 0; i <= steps; ++i) {
        float a = (fromDeg + (toDeg - fromDeg) * i / steps) * kPi / 180.0f;
        To(cx + r * std::cos(a), cy + r * std::sin(a));
    }
    return *this;
}

PathHit Path::Nearest(float x, float y) const {
    PathHit best{0, 0, 0, 1e9f};
    for (size_t i = 0; i + 1 < xs_.size(); ++i) {
        float vx = xs_[i + 1] - xs_[i], vy = ys_[i + 1] - ys_[i];
        float l2 = vx * vx + vy * vy;
        if (l2 <= 0) continue;
        float t = ((x - xs_[i]) * vx + (y - ys_[i]) * vy) / l2;
        t = t < 0 ? 0 : (t > 1 ? 1 : t);
        float px = xs_[i] + t * vx, py = ys_[i] + t * vy;
        float dx = x - px, dy = y - py;
        float dist = std::sqrt(dx * dx + dy * dy);
        if (dist < best.dist) {
            float cross = vx * dy - vy * dx;
            best.dist = dist;
            best.s = len_[i] + t * (len_[i + 1] - len_[i]);
            best.d = cross < 0 ? -dist : dist;
        }
    }
    best.t = Length() > 0 ? best.s / Length() : 0;
    return best;
}

InFn Path::Stroke(float r0, float r1) const {
    Path copy = *this;
    return [copy, r0, r1](float x, float y) {
        PathHit h = copy.Nearest(x, y);
        return h.dist <= r0 + (r1 - r0) * h.t;
    };
}

} // namespace art
