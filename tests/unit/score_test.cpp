#include <gtest/gtest.h>

#include "play/score.h"

namespace pelmora {
namespace {

// Digits are held least significant first; compare as the player reads them.
std::string after(ScoreDigits score, uint32_t amount) {
    addToScore(score, amount);
    std::string text;
    for (auto it = score.rbegin(); it != score.rend(); ++it) text += std::to_string(*it);
    return text;
}

TEST(AddToScore, CarriesAndGrowsByADigit) {
    EXPECT_EQ(after({0}, 1), "1");
    EXPECT_EQ(after({9}, 9), "18");
    EXPECT_EQ(after({5, 9}, 7), "102");
    EXPECT_EQ(after({9, 9}, 1), "100");
    EXPECT_EQ(after({9, 9, 9, 9}, 1), "10000");
    EXPECT_EQ(after({3, 4}, 5), "48");
}

TEST(AddToScore, AmountsAboveNineStillAddExactly) {
    EXPECT_EQ(after({0}, 25), "25");
    EXPECT_EQ(after({8, 9}, 15), "113");
    EXPECT_EQ(after({}, 3), "3");
    EXPECT_EQ(after({0}, 4000000000u), "4000000000");
}

}  // namespace
}  // namespace pelmora
