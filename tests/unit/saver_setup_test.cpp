// The screen saver setup dialog's field rules: the delay must read as 1-60,
// and the message keeps its first 31 characters.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "saver/setup.h"

TEST(SaverSetup, DelayField) {
    struct Row {
        const char* text;
        bool accepted;
        int minutes;
    };
    const Row rows[] = {
        {"60", true, 60},         {"1", true, 1},    {"  7x", true, 7},
        {"7 minutes", true, 7},   {"+7", true, 7},   {"\t12", true, 12},
        {"007", true, 7},         {"61", false, 0},  {"0", false, 0},
        {"", false, 0},           {"abc", false, 0}, {"-5", false, 0},
        {"-0", false, 0},         {"x7", false, 0},  {"99999999999999999999", false, 0},
        {"4294967297", false, 0},
    };
    for (const Row& row : rows) {
        int minutes = -1;
        EXPECT_EQ(festoon::ParseSaverDelay(row.text, &minutes), row.accepted) << row.text;
        EXPECT_EQ(minutes, row.accepted ? row.minutes : -1) << row.text;
    }
    int minutes = -1;
    EXPECT_FALSE(festoon::ParseSaverDelay(nullptr, &minutes));
}

TEST(SaverSetup, TheRefusalMessageWordForWord) {
    EXPECT_STREQ(festoon::kSaverDelayMessage, "Timeout must be between 1 and 60 minutes.");
}

TEST(SaverSetup, MessageIsCutTo31Characters) {
    struct Row {
        std::string text;
        std::string stored;
    };
    const std::string forty = "Happy Holidays from all of us at Festoon";
    ASSERT_EQ(forty.size(), 40u);
    const Row rows[] = {
        {forty, forty.substr(0, 31)},
        {std::string(31, 'a'), std::string(31, 'a')},
        {std::string(32, 'b'), std::string(31, 'b')},
        {"Merry", "Merry"},
        {"", ""},
    };
    for (const Row& row : rows) {
        char out[32];
        std::memset(out, 'X', sizeof out);
        festoon::CutSaverMessage(row.text.c_str(), out, sizeof out);
        EXPECT_EQ(std::string(out), row.stored);
    }
    char roomy[64];
    festoon::CutSaverMessage(forty.c_str(), roomy, sizeof roomy);
    EXPECT_EQ(std::string(roomy), forty.substr(0, 31)) << "31 even with room for more";
    char small[4];
    festoon::CutSaverMessage(forty.c_str(), small, sizeof small);
    EXPECT_STREQ(small, "Hap") << "never writes past the buffer";
    char out[32] = "old";
    festoon::CutSaverMessage(nullptr, out, sizeof out);
    EXPECT_STREQ(out, "");
}
