// Extra shape helpers for the figures: rotated ellipses and strokes along a path,
// which also report where along the path and how far across it a point lies (for
// stripes and cylinder shading).
#pragma once

#include "tools/artgen/canvas.h"

#include <vector>

namespace art {

InFn EllipseRot(float cx, float cy, float rx, float ry, float degrees);
InFn Rotated(InFn shape, float cx, float cy, float degrees);

struct PathHit {
    float s;    // distance along the path from its start
    float d;    // signed distance across it (left of the direction of travel < 0)
    float t;    // s divided by the path's length
    float dist; // unsigned distance to the path
};

class Path {
  public:
    // Points joined by straight pieces; arcs are added as many short pieces.
    Path& To(float x, float y);
    Path& Arc(float cx, float cy, float r, float fromDeg, float toDeg);
    PathHit Nearest(float x, float y) const;
    float Length() const { return len_.empty() ? 0 : len_.back(); }
    // A stroke whose radius may change along the path (r0 at the start, r1 at the end).
    InFn Stroke(float r0, float r1) const;

  private:
    std::vector<float> xs_, ys_, len_;
};

} // namespace art
