// Curves! and Caterpillar, line drawings that erase themselves by drawing
// again in black, and the dispatch of the seven effects by SSType.
#include "lights/random.h"
#include "saver/effects.h"

namespace festoon {

namespace {

const Color kCurveColours[kMaxCurves] = {
    Rgb(0, 0, 255), Rgb(255, 255, 0), Rgb(255, 0, 0), Rgb(0, 255, 0), Rgb(255, 0, 255),
};

void Circle(Canvas& c, Point centre, int r, Color colour) {
    c.Ellipse(centre.x - r, centre.y - r, centre.x + r, centre.y + r, colour);
}

void DrawCurve(Canvas& c, const Curve& curve, Color colour) {
    const Point p[4] = {curve.start, curve.control[0], curve.control[1], curve.end};
    c.Bezier(p, colour);
    Circle(c, curve.start, 3, colour);
    Circle(c, curve.end, 3, colour);
}

Point RandomPoint(const CurvesState& s) {
    const int x = R(s.maxX + 1);
    const int y = R(s.maxY + 1);
    return Point{x, y};
}

void SetUpCurves(CurvesState& s, const Canvas& c) {
    SeedRandom(CalendarSeconds());
    // The client area shrunk by 10 on every side gives the upper bounds; the
    // lower bounds stay at 0.
    s.maxX = c.Width() - 10;
    s.maxY = c.Height() - 10;
    s.count = R(5) + 1;
    for (int n = 0; n < s.count; ++n) {
        Curve& curve = s.curves[n];
        curve.start = RandomPoint(s);
        curve.end = RandomPoint(s);
        for (int k = 0; k < 2; ++k) {
            curve.control[k] = RandomPoint(s);
            curve.vx[k] = R(6) + 4;
            if (R(101) < 50) curve.vx[k] = -curve.vx[k];
            curve.vy[k] = R(6) + 4;
            if (R(101) < 50) curve.vy[k] = -curve.vy[k];
        }
        curve.colour = kCurveColours[n];
    }
    s.started = true;
}

// A point may stand up to one step outside its bounds for a tick before it
// turns back.
void Bounce(int& pos, int& velocity, int max) {
    pos += velocity;
    if (pos < 0 || pos > max) velocity = -velocity;
}

const Color kCaterpillarColours[3][2] = {
    {Rgb(255, 255, 0), Rgb(255, 0, 255)},
    {Rgb(0, 127, 0), Rgb(0, 255, 0)},
    {Rgb(255, 0, 0), Rgb(0, 255, 255)},
};

const int kDirX[4] = {1, 0, -1, 0};
const int kDirY[4] = {0, 1, 0, -1};

void SetUpCaterpillars(CaterpillarState& s, const Canvas& c) {
    // The light string keeps the top 32 rows.
    s.left = 0;
    s.top = 32;
    s.right = c.Width();
    s.bottom = c.Height();
    for (Caterpillar& cat : s.caterpillars) {
        cat.speed = 1;
        cat.size = 8;
        cat.count = R(8) + 8;
        const int x = s.left + R(s.right - s.left - 39) + 20;
        const int y = s.top + R(s.bottom - s.top - 39) + 20;
        for (Point& p : cat.segments) p = Point{x, y};
        ChooseDirection(cat, true);
        const int pair = R(3);
        cat.head = kCaterpillarColours[pair][0];
        cat.body = kCaterpillarColours[pair][1];
    }
    s.started = true;
}

int Wrap(int v, int lo, int hi) {
    if (v < lo) return hi;
    if (v > hi) return lo;
    return v;
}

void Crawl(Caterpillar& cat, Canvas& c, int left, int top, int right, int bottom) {
    const int count = cat.count < 1 ? 1 : (cat.count > kMaxSegments ? kMaxSegments : cat.count);
    const int r = cat.size / 2;
    Point before = cat.segments[0];
    for (int i = 0; i < count; ++i) {
        Point& seg = cat.segments[i];
        const Point old = seg;
        if (i == count - 1) Circle(c, seg, r, kBlack);
        if (i == 0) {
            seg.x = Wrap(seg.x + cat.dx * cat.speed, left, right);
            seg.y = Wrap(seg.y + cat.dy * cat.speed, top, bottom);
        } else {
            seg = before;
        }
        Circle(c, seg, r, i == 0 ? cat.head : cat.body);
        before = old;
    }
    if (--cat.stepsLeft <= 0) ChooseDirection(cat, false);
}

} // namespace

void CurvesInit(CurvesState& s) { s.started = false; }

void CurvesStep(CurvesState& s, Canvas& c) {
    if (!s.started) SetUpCurves(s, c);
    for (int n = 0; n < s.count && n < kMaxCurves; ++n) {
        Curve& curve = s.curves[n];
        DrawCurve(c, curve, kBlack);
        for (int k = 0; k < 2; ++k) {
            Bounce(curve.control[k].x, curve.vx[k], s.maxX);
            Bounce(curve.control[k].y, curve.vy[k], s.maxY);
        }
        DrawCurve(c, curve, curve.colour);
    }
}

void ChooseDirection(Caterpillar& cat, bool first) {
    int d = R(4);
    if (!first)
        while (d == (cat.direction + 2) % 4) d = R(4);
    cat.direction = d;
    cat.dx = kDirX[d];
    cat.dy = kDirY[d];
    cat.stepsLeft = R(13) + 8;
}

void CaterpillarInit(CaterpillarState& s) { s.started = false; }

void CaterpillarStep(CaterpillarState& s, Canvas& c) {
    if (!s.started) SetUpCaterpillars(s, c);
    for (Caterpillar& cat : s.caterpillars)
        Crawl(cat, c, s.left + 10, s.top + 10, s.right - 10, s.bottom - 10);
}

void EffectInit(SaverEffects& e, int type, int screenWidth, int screenHeight) {
    switch (type) {
    case kSaverSnow:
        SnowInit(e.snow);
        break;
    case kSaverWarp:
        WarpInit(e.warp, screenWidth, screenHeight);
        break;
    case kSaverFireworks:
        FireworksInit(e.fireworks);
        break;
    case kSaverCurves:
        CurvesInit(e.curves);
        break;
    case kSaverCaterpillar:
        CaterpillarInit(e.caterpillar);
        break;
    case kSaverSparks:
        SparksInit(e.sparks);
        break;
    default:
        break;
    }
}

void EffectStep(SaverEffects& e, int type, Canvas& c) {
    switch (type) {
    case kSaverSnow:
        SnowStep(e.snow, c);
        break;
    case kSaverWarp:
        WarpStep(e.warp, c);
        break;
    case kSaverFireworks:
        FireworksStep(e.fireworks, c);
        break;
    case kSaverCurves:
        CurvesStep(e.curves, c);
        break;
    case kSaverCaterpillar:
        CaterpillarStep(e.caterpillar, c);
        break;
    case kSaverSparks:
        SparksStep(e.sparks, c);
        break;
    default:
        break;
    }
}

Point SaverPicturePosition(int k, int clientWidth, int clientHeight, int pictureWidth,
                           int pictureHeight) {
    const int quarter = clientWidth / 4;
    return Point{(k == 0 ? quarter : 3 * quarter) - pictureWidth / 2, clientHeight - pictureHeight};
}

} // namespace festoon
