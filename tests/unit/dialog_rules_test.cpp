// Rules of the options dialog and the small dialogs that need no window.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "ui/dialog_rules.h"
#include "ui/tooltip_text.h"

TEST(DialogLabels, RateAndPowerStrings) {
    struct Case {
        int rate, id;
    };
    const Case rates[] = {{-1, 4000}, {0, 4000}, {2, 4002}, {4, 4004}, {5, 4004}};
    for (const Case& c : rates) EXPECT_EQ(festoon::RateNameId(c.rate), c.id) << c.rate;
    EXPECT_EQ(festoon::PowerNameId(0), 3600);
    EXPECT_EQ(festoon::PowerNameId(1), 3601);
}

TEST(DialogEnabling, BrokenAndChangeBulbsByStyleItem) {
    struct Case {
        int item;
        bool broken, change;
    };
    // Item 0 Random, 1 Normal, then the other styles.
    const Case cases[] = {{0, true, true}, {1, true, false}, {2, false, false}, {25, false, false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.item);
        EXPECT_EQ(festoon::BrokenAllowed(c.item), c.broken);
        EXPECT_EQ(festoon::ChangeBulbsAllowed(c.item), c.change);
    }
}

TEST(ColorEntries, SplitIntoIconAndLabel) {
    struct Case {
        const char* entry;
        bool hasIcon;
        const char* icon;
        const char* label;
    };
    const Case cases[] = {
        {"Light10:Purple", true, "Light10", " Purple"},
        {"RedGreen:Red & Green", true, "RedGreen", " Red & Green"},
        {"NoColon", false, "", "NoColon"},
        {":Bare", true, "", " Bare"},
        {"a:b:c", true, "a", " b:c"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.entry);
        char icon[32], label[32];
        EXPECT_EQ(festoon::SplitColorEntry(c.entry, icon, sizeof icon, label, sizeof label),
                  c.hasIcon);
        EXPECT_STREQ(icon, c.icon);
        EXPECT_STREQ(label, c.label);
    }
}

TEST(ColorEntries, OutputsCutToTheirBuffers) {
    char icon[4], label[5];
    std::memset(icon, 'x', sizeof icon);
    std::memset(label, 'x', sizeof label);
    festoon::SplitColorEntry("MultiColor:MultiColor", icon, sizeof icon, label, sizeof label);
    EXPECT_STREQ(icon, "Mul");
    EXPECT_STREQ(label, " Mul");
    char one[1] = {'x'};
    festoon::SplitColorEntry("Light10:Purple", one, 1, one, 1);
    EXPECT_EQ(one[0], '\0');
}

TEST(ColorEntries, ElevenInTheOrderOfColor) {
    const char* expected[] = {"Random", "Purple", "Blue",        "Red",        "Green", "Yellow",
                              "Indigo", "White",  "Red & Green", "MultiColor", "Blues"};
    ASSERT_EQ(festoon::kColorEntryCount, 11);
    for (int i = 0; i < 11; ++i) {
        char icon[32], label[32];
        ASSERT_TRUE(festoon::SplitColorEntry(festoon::kColorEntries[i], icon, sizeof icon, label,
                                             sizeof label));
        EXPECT_EQ(std::string(label), std::string(" ") + expected[i]) << i;
    }
}

TEST(PlayList, ReadCountIsBounded) {
    struct Case {
        int stored, read;
    };
    const Case cases[] = {{-5, 0}, {0, 0}, {3, 3}, {999, 999}, {2000000000, 999}};
    for (const Case& c : cases) EXPECT_EQ(festoon::PlayListReadCount(c.stored), c.read) << c.stored;
}

TEST(HelpTopics, ColoursRepeatEveryFourTopics) {
    const std::uint32_t yellow = 0x00FFFF, cyan = 0xFFFF00, magenta = 0xFF00FF, green = 0x00FF00;
    const std::uint32_t expected[10] = {yellow, cyan,    magenta, green,  yellow,
                                        cyan,   magenta, green,   yellow, cyan};
    for (int t = 0; t < 10; ++t) EXPECT_EQ(festoon::HelpTopicColor(t), expected[t]) << t;
}

TEST(BackColorSwatches, ShowTheBackgroundTable) {
    const std::uint32_t expected[6] = {0x000000, 0x7F7F7F, 0xC0C0C0, 0xFFFFFF, 0x7F0000, 0xFF0000};
    for (int k = 0; k < 6; ++k) EXPECT_EQ(festoon::SwatchColor(k), expected[k]) << k;
    EXPECT_EQ(festoon::SwatchColor(6), 0u);
    EXPECT_EQ(festoon::SwatchColor(-1), 0u);
}

TEST(TipTexts, LookedUpById) {
    struct Case {
        int id;
        const char* text;
    };
    const Case cases[] = {
        {3, "Remove lights && exit"},
        {400, "Toggle power on/off"},
        {1021, "Set notifications for calendar events"},
        {152, ""}, // the hidden icon
        {-1, ""},  // group boxes and pictures
    };
    for (const Case& c : cases)
        EXPECT_STREQ(festoon::TipFor(festoon::kOptionsTips, festoon::kOptionsTipCount, c.id),
                     c.text)
            << c.id;
    EXPECT_EQ(festoon::kOptionsTipCount, 34);
    EXPECT_STREQ(festoon::TipFor(festoon::kSaverSetupTips, festoon::kSaverSetupTipCount, 169),
                 "Disallow Windows95 screen saver");
    EXPECT_STREQ(festoon::TipFor(festoon::kSaverSetupTips, festoon::kSaverSetupTipCount, 3), "");
    EXPECT_STREQ(festoon::TipFor(nullptr, 5, 1), "");
}
