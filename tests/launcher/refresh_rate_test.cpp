// The byte rules of the stored refresh rate.
#include <array>
#include <cstdint>
#include <vector>

#include <gtest/gtest.h>

#include "launcher/refresh_rate.h"

namespace {

using launcher::RateFromStored;
using launcher::StoredBytes;

TEST(RefreshRate, WritesTheLowestByteFollowedByThreeZeroBytes)
{
    EXPECT_EQ(StoredBytes(100), (std::array<uint8_t, 4>{100, 0, 0, 0}));
    EXPECT_EQ(StoredBytes(0), (std::array<uint8_t, 4>{0, 0, 0, 0}));
    EXPECT_EQ(StoredBytes(316), (std::array<uint8_t, 4>{60, 0, 0, 0}));
}

TEST(RefreshRate, ReadsOnlyTheFirstByteAndAcceptsSixtyToOneHundredFifty)
{
    struct Case {
        std::vector<uint8_t> stored;
        int32_t rate;
    };
    const Case cases[] = {
        {{85, 0, 0, 0}, 85},   {{120, 0, 0, 0}, 120}, {{60, 0, 0, 0}, 60}, {{150, 0, 0, 0}, 150},
        {{59, 0, 0, 0}, 0},    {{151, 0, 0, 0}, 0},   {{0, 0, 0, 0}, 0},   {{60, 1, 0, 0}, 60},  // 316
        {{85, 0xFF, 0xFF, 0xFF}, 85}, {{75}, 75},     {{}, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::PrintToString(c.stored));
        EXPECT_EQ(RateFromStored(c.stored.data(), c.stored.size()), c.rate);
    }
}

}  // namespace
