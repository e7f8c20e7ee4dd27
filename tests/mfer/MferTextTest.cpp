#include "mfer/MferText.h"

#include <gtest/gtest.h>

namespace {

TEST(MferTextTest, ConvertsFieldsToUtf8) {
    EXPECT_EQ(MferTextToUtf8("Nihon Kohden", "ASCII"), "Nihon Kohden");
    // "心電図" in Shift-JIS.
    EXPECT_EQ(MferTextToUtf8("\x90\x53\x93\x64\x90\x7d", "SJIS"), "心電図");
    EXPECT_EQ(MferTextToUtf8("caf\xe9", "ASCII"), "café");
    EXPECT_EQ(MferTextToUtf8("café", "UTF-8"), "café");
}

TEST(MferTextTest, RecognisesUtf8) {
    EXPECT_TRUE(IsValidUtf8("aé心"));
    EXPECT_FALSE(IsValidUtf8("\xe5\xbf"));
    EXPECT_FALSE(IsValidUtf8("\xc0\x80"));
    EXPECT_FALSE(IsValidUtf8("\x80"));
}

} // namespace
