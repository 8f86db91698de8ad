// Colour patterns along the string and the icon naming of every style.
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "fakes.h"
#include "lights/styles.h"

namespace {

std::vector<int> Pattern(int color, int style, int count) {
    festoon::ColorPattern p = festoon::StartColorPattern(style);
    std::vector<int> out;
    for (int i = 0; i < count; ++i) out.push_back(festoon::NextColorIndex(p, color, style));
    return out;
}

std::string Name(int style, int k, int lit, int broken = 0) {
    char buf[festoon::kIconNameSize];
    festoon::IconName(style, k, lit, broken, buf, sizeof buf);
    return buf;
}

} // namespace

TEST(ColorPattern, FixedSchemes) {
    struct Case {
        int color, style;
        std::vector<int> expected;
    } cases[] = {
        {3, 0, {3, 3, 3, 3}},
        {6, 4, {6, 6, 6}},
        {7, 0, {3, 2, 3, 2, 3}},                         // Red & Green: green at even positions
        {8, 0, {1, 2, 3, 4, 5, 0, 1, 2, 3, 4, 5, 0, 1}}, // MultiColor never shows White
        {9, 0, {5, 1, 5, 1}},                            // Blues
        // Hot Peppers fold everything into red 0, yellow 1, green 2.
        {8, 15, {1, 2, 0, 1, 2, 0, 1}},
        {7, 15, {2, 0, 2, 0}},
        {9, 15, {1, 1, 1, 1}},
        {6, 15, {2, 2, 2}},
        {0, 15, {0}},
        {1, 15, {1}},
        {2, 15, {0}},
        {3, 15, {2}},
        {4, 15, {1}},
        {5, 15, {1}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Pattern(c.color, c.style, static_cast<int>(c.expected.size())), c.expected)
            << "Color " << c.color << " style " << c.style;
}

TEST(ColorPattern, RandomNeverRepeatsANeighbour) {
    for (std::uint32_t seed = 1; seed <= 50; ++seed) {
        fake::ScriptedRandom rng({}, seed);
        std::vector<int> v = Pattern(-1, 0, 64);
        EXPECT_NE(v[0], 0) << "the first bulb is compared with the starting value 0";
        for (std::size_t i = 0; i < v.size(); ++i) {
            EXPECT_GE(v[i], 0);
            EXPECT_LT(v[i], 7);
            if (i > 0) {
                EXPECT_NE(v[i], v[i - 1]) << "seed " << seed << " at " << i;
            }
        }
    }
}

TEST(ColorPattern, RandomRedrawsUntilDifferent) {
    // Draws 0 (same as the start), 0 again, then 4.
    fake::ScriptedRandom rng({0, 0, 4, 4, 2});
    std::vector<int> v = Pattern(-1, 0, 2);
    EXPECT_EQ(v, (std::vector<int>{4, 2}));
}

TEST(ColorPattern, RandomPeppersStayInRange) {
    fake::ScriptedRandom rng({}, 7);
    for (int k : Pattern(-1, 15, 200)) {
        EXPECT_GE(k, 0);
        EXPECT_LE(k, 2);
    }
}

TEST(EffectiveStyle, RandomPicksOnlyTheFirst22Styles) {
    fake::ScriptedRandom rng({}, 99);
    std::set<int> seen;
    for (int i = 0; i < 2000; ++i) seen.insert(festoon::ChooseEffectiveStyle(-1));
    EXPECT_EQ(seen.size(), 22u);
    EXPECT_EQ(*seen.begin(), 0);
    EXPECT_EQ(*seen.rbegin(), 21);
    EXPECT_EQ(festoon::ChooseEffectiveStyle(24), 24);
    EXPECT_EQ(festoon::ChooseEffectiveStyle(0), 0);
}

TEST(IconNames, EveryStyle) {
    struct Case {
        int style, k, lit, broken;
        const char* expected;
    } cases[] = {
        {0, 3, 0, 0, "Light03"},     {0, 3, 1, 0, "Light13"},    {0, 5, 1, 1, "Light25"},
        {1, 3, 1, 0, "Light63"},     {1, 2, 0, 1, "Light52"}, // Round has no broken image
        {2, 4, 1, 0, "Cactus1"},     {3, 4, 1, 0, "Light44"},    {3, 4, 0, 0, "Light34"},
        {4, 1, 1, 0, "Bell11"},      {5, 5, 1, 0, "Fish15"},     {6, 2, 1, 0, "CandyCane12"},
        {7, 0, 1, 0, "Heart1"},      {8, 0, 0, 0, "USFlag0"},    {9, 6, 1, 0, "Hebrew1"},
        {10, 4, 1, 0, "Egg41"},      {10, 1, 0, 0, "Egg10"},     {11, 3, 1, 0, "Pumpkin1"},
        {12, 3, 0, 0, "Smiley0"},    {13, 3, 1, 0, "Shamrock1"}, {14, 2, 1, 0, "Lantern21"},
        {15, 1, 1, 0, "Pepper11"},   {16, 0, 1, 0, "Small10"},   {17, 5, 1, 0, "Trans15"},
        {18, 6, 1, 0, "Tree10"},     {18, 3, 0, 0, "Tree00"},    {19, 2, 1, 0, "Sock12"},
        {20, 1, 1, 0, "Holly11"},    {20, 4, 0, 0, "Holly00"},   {20, 5, 1, 0, "Holly11"},
        {21, 0, 1, 0, "Snowman1"},   {22, 4, 1, 0, "Star14"},    {23, 1, 1, 0, "Mitten11"},
        {24, 3, 1, 0, "Umbrella13"}, {25, 2, 1, 1, "Light22"},   {26, 4, 1, 0, "Light14"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Name(c.style, c.k, c.lit, c.broken), c.expected) << "style " << c.style;
}

TEST(IconNames, HollyWithMultiColorAlternatesVariants) {
    std::vector<std::string> names;
    for (int k : Pattern(8, 20, 6)) names.push_back(Name(20, k, 1));
    EXPECT_EQ(names, (std::vector<std::string>{"Holly11", "Holly01", "Holly11", "Holly01",
                                               "Holly11", "Holly01"}));
}

TEST(IconNames, LongestNameFitsAndSmallBuffersStayTerminated) {
    EXPECT_EQ(Name(6, 6, 1), "CandyCane16");
    char tiny[4];
    festoon::IconName(24, 3, 1, 0, tiny, sizeof tiny);
    EXPECT_STREQ(tiny, "Umb");
}
