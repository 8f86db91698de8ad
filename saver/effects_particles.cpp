// Falling Snow, Warp Drive, Exploding Fireworks and Sparks!: particle tables
// of fixed size. None of them ever clears the screen; each erases what it
// drew by painting it black again.
#include <ctime>

#include "lights/random.h"
#include "saver/effects.h"

namespace festoon {

namespace {

CalendarFn gCalendarFn = nullptr;

// Snow reads the picture to find ground: only black is free, and a point
// off the picture (kInvalidColor) counts as occupied.
bool Free(const Canvas& c, int x, int y) { return c.GetPixel(x, y) == kBlack; }

void SpawnFlake(SnowState& s, int width) {
    for (Flake& f : s.flakes) {
        if (f.active) continue;
        f.x = R(width + 1);
        f.y = R(21);
        f.speed = 3;
        if (R(2) == 0) f.speed = 7;
        if (R(2) == 0) f.speed = 5;
        f.falling = true;
        f.sliding = false;
        f.side = 1;
        if (R(2) == 0) f.side = -1;
        f.otherSide = -f.side;
        f.active = true;
        return;
    }
}

void Fall(Flake& f, Canvas& c) {
    const int ox = f.x, oy = f.y;
    int x = ox + R(3) - 1;
    int y = oy + f.speed;
    if (x < 0) x = 0;
    if (x > c.Width()) x = c.Width();
    if (y > c.Height()) y = c.Height();
    if (Free(c, x, y)) {
        c.SetPixel(ox, oy, kBlack);
        c.SetPixel(x, y, kWhite);
    } else {
        while (!Free(c, x, y) && f.active) {
            --y;
            if (y < 0) f.active = false;
        }
        c.SetPixel(ox, oy, kBlack);
        c.SetPixel(x, y, kWhite);
        f.falling = false;
        if (!Free(c, x + f.side, y + 1)) {
            f.active = false;
        } else {
            f.sliding = true;
        }
    }
    f.x = x;
    f.y = y;
}

void Slide(Flake& f, Canvas& c) {
    const int ox = f.x, oy = f.y;
    int x = ox + f.side;
    int y = oy + 1;
    if (Free(c, x, y)) {
        c.SetPixel(ox, oy, kBlack);
        c.SetPixel(x, y, kWhite);
    } else {
        // Blocked: the flake's pixel stays behind as snow, and the flake
        // itself tries the other way from beside it.
        x = ox + f.otherSide;
        y = oy;
        if (Free(c, x, y + 1)) {
            const int side = f.side;
            f.side = f.otherSide;
            f.otherSide = side;
        }
    }
    if (Free(c, x, y + 1)) {
        f.falling = true;
        f.sliding = false;
    } else if (!Free(c, x + f.side, y + 1)) {
        f.active = false;
    }
    f.x = x;
    f.y = y;
}

const Color kPalette[16] = {
    kBlack,
    Rgb(127, 0, 0),
    Rgb(127, 127, 0),
    Rgb(0, 127, 0),
    Rgb(0, 0, 127),
    Rgb(127, 0, 127),
    Rgb(0, 127, 127),
    Rgb(127, 127, 127),
    Rgb(192, 192, 192),
    Rgb(255, 0, 0),
    Rgb(255, 255, 0),
    Rgb(0, 255, 0),
    Rgb(0, 0, 255),
    Rgb(255, 0, 255),
    Rgb(0, 255, 255),
    Rgb(255, 255, 255),
};

void ResetStar(WarpState& s, Star& star) {
    star.x = R(s.centreX + 1);
    if (R(2) == 0) star.x = -star.x;
    star.y = R(s.centreY + 1);
    if (R(2) == 0) star.y = -star.y;
    star.z = R(151) + 125;
    star.small = R(2);
    star.colour = StarPalette(R(8) + 8);
}

void PaintStar(Canvas& c, Point p, int small, Color colour) {
    if (small == 1) {
        c.SetPixel(p.x, p.y, colour);
    } else {
        c.FillRect(p.x - 1, p.y - 1, p.x + 1, p.y + 1, colour);
    }
}

const Color kBurstColours[8][2] = {
    {kBlack, kBlack},
    {Rgb(0, 0, 255), Rgb(0, 0, 127)},
    {Rgb(255, 255, 0), Rgb(127, 127, 0)},
    {Rgb(0, 255, 0), Rgb(0, 127, 0)},
    {Rgb(255, 0, 0), Rgb(127, 0, 0)},
    {Rgb(255, 0, 255), Rgb(255, 0, 255)}, // magenta keeps its brightness
    {Rgb(0, 255, 255), Rgb(0, 127, 127)},
    {Rgb(255, 255, 255), Rgb(192, 192, 192)},
};

const Color kGrey = Rgb(127, 127, 127);

void Launch(Burst& b, int px, int py, int k) {
    if (k < 1 || k > 7) k = 7;
    b.count = 12 + R(29);
    for (int i = 0; i < b.count; ++i) {
        Particle& p = b.particles[i];
        p.x = px;
        p.y = py;
        p.size = R(2);
        p.bright = kBurstColours[k][0];
        p.dim = kBurstColours[k][1];
        p.vx = static_cast<float>(R(11) - 5);
        p.vy = static_cast<float>(R(11) - 5);
        p.fall = 0;
        p.life = 10 + R(21);
    }
}

void Relaunch(Burst& b, const Canvas& c) {
    const int px = R(c.Width() + 1);
    const int py = R(c.Height() + 1);
    Launch(b, px, py, R(7) + 1);
}

void PaintBlock(Canvas& c, const Particle& p, Color colour) {
    for (int i = 0; i <= p.size; ++i)
        for (int j = 0; j <= p.size; ++j) c.SetPixel(p.x + i, p.y + j, colour);
}

Color FadeColour(int life, Color full, Color half) {
    if (life > 10) return full;
    if (life > 6) return half;
    if (life > 2) return kGrey;
    return kBlack;
}

const Color kSparkColours[3][2] = {
    {Rgb(255, 255, 0), Rgb(127, 127, 0)},
    {Rgb(255, 255, 255), Rgb(192, 192, 192)},
    {Rgb(255, 0, 0), Rgb(127, 0, 0)},
};

void MoveSpark(SparksState& s, Spark& k, Canvas& c) {
    c.SetPixel(k.x, k.y, kBlack);
    if (k.life > 0) --k.life;
    if (k.life == 0) {
        k.active = false;
        return;
    }
    k.x += static_cast<int>(k.vx);
    k.y += static_cast<int>(k.vy);
    if (k.y < s.ground) {
        k.y += static_cast<int>(k.fall);
        k.fall += 0.8f;
    } else {
        // On the ground: a moving spark skids a little, then lies still
        // until its life runs out.
        if (k.vx > 0 || k.vy > 0) k.x += R(15) - 7;
        k.y = s.ground;
        k.vx = k.vy = k.fall = 0;
    }
    k.vx *= 0.96f;
    k.vy *= 0.96f;
    const int kind = k.kind >= 0 && k.kind < 3 ? k.kind : 0;
    c.SetPixel(k.x, k.y, FadeColour(k.life, kSparkColours[kind][0], kSparkColours[kind][1]));
}

void ThrowSpark(SparksState& s) {
    for (Spark& k : s.sparks) {
        if (k.active) continue;
        k.x = s.ex;
        k.y = s.ey;
        k.vx = static_cast<float>(R(6) + 3);
        if (R(10) < 4) k.vx = -k.vx;
        k.vy = static_cast<float>(R(6) + 3);
        if (R(10) < 4) k.vy = -k.vy;
        k.life = R(17) + 32;
        k.fall = 0;
        k.kind = R(3);
        k.active = true;
        return;
    }
}

} // namespace

void SetCalendarSource(CalendarFn fn) { gCalendarFn = fn; }

std::uint32_t CalendarSeconds() {
    return gCalendarFn ? gCalendarFn() : static_cast<std::uint32_t>(std::time(nullptr));
}

void SnowInit(SnowState& s) {
    for (Flake& f : s.flakes) f = Flake{};
}

void SnowStep(SnowState& s, Canvas& c) {
    for (int i = 0; i < 3; ++i) SpawnFlake(s, c.Width());
    for (Flake& f : s.flakes) {
        if (!f.active) continue;
        if (f.falling) {
            Fall(f, c);
        } else if (f.sliding) {
            Slide(f, c);
        }
    }
}

Color StarPalette(int index) { return index >= 0 && index < 16 ? kPalette[index] : kBlack; }

void WarpInit(WarpState& s, int screenWidth, int screenHeight) {
    s.speed = 6;
    s.centreX = screenWidth / 2;
    s.centreY = screenHeight / 2;
    for (Star& star : s.stars) ResetStar(s, star);
}

Point WarpProject(const WarpState& s, const Star& star) {
    const int z = star.z > 0 ? star.z : 1;
    return Point{s.centreX + star.x * 350 / z, s.centreY + star.y * 350 / z};
}

void WarpStep(WarpState& s, Canvas& c) {
    for (Star& star : s.stars) {
        PaintStar(c, WarpProject(s, star), star.small, kBlack);
        star.z -= s.speed;
        if (star.z <= 0) ResetStar(s, star);
        PaintStar(c, WarpProject(s, star), star.small, star.colour);
    }
}

void FireworksInit(FireworksState& s) { s.started = false; }

bool MoveParticle(Particle& p, Color* colour) {
    if (p.life > 0) --p.life;
    if (p.life <= 0) return false;
    p.x += static_cast<int>(p.vx);
    p.y += static_cast<int>(p.vy);
    p.y += static_cast<int>(p.fall);
    p.fall += 0.8f;
    p.vx *= 0.96f;
    p.vy *= 0.96f;
    *colour = FadeColour(p.life, p.bright, p.dim);
    return true;
}

void FireworksStep(FireworksState& s, Canvas& c) {
    if (!s.started) {
        s.burstCount = R(8) + 8;
        SeedRandom(CalendarSeconds());
        int k = R(7) + 1;
        for (int b = 0; b < s.burstCount; ++b) {
            const int px = R(c.Width() + 1);
            const int py = R(c.Height() + 1);
            Launch(s.bursts[b], px, py, k);
            k = R(7) + 1;
        }
        s.started = true;
    }
    for (int b = 0; b < s.burstCount && b < kBursts; ++b) {
        Burst& burst = s.bursts[b];
        bool alive = false;
        for (int i = 0; i < burst.count; ++i) {
            Particle& p = burst.particles[i];
            PaintBlock(c, p, kBlack);
            Color colour = kBlack;
            if (MoveParticle(p, &colour)) {
                alive = true;
                PaintBlock(c, p, colour);
            }
        }
        if (!alive) Relaunch(burst, c);
    }
}

void SparksInit(SparksState& s) { s.started = false; }

void SparksStep(SparksState& s, Canvas& c) {
    if (!s.started) {
        SeedRandom(CalendarSeconds());
        s.ex = c.Width() / 2;
        s.ey = c.Height() / 2;
        s.right = c.Width();
        s.ground = c.Height() - 1;
        for (Spark& k : s.sparks) k.active = false;
        s.started = true;
    }
    for (Spark& k : s.sparks)
        if (k.active) MoveSpark(s, k, c);
    s.ex += R(7) - 3;
    s.ey += R(7) - 3;
    if (s.ex < 0) s.ex = 0;
    if (s.ex > s.right) s.ex = s.right;
    if (s.ey < 0) s.ey = 0;
    if (s.ey > s.ground) s.ey = s.ground;
    for (int i = 0; i < 3; ++i) ThrowSpark(s);
}

} // namespace festoon
