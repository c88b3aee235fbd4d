#include <gtest/gtest.h>

#include "play/score.h"

namespace pelmora {
namespace {

// Digits are held least significant first; compare as the player reads them.
std::string shown(const ScoreDigits& score) {
    std::string text;
    for (auto it = score.rbegin(); it != score.rend(); ++it) text += std::to_string(*it);
    return text;
}

ScoreDigits after(ScoreDigits score, uint32_t amount) {
    addToScore(score, amount);
    return score;
}

TEST(AddToScore, CarriesAndGrowsByADigit) {
    EXPECT_EQ(shown(after({0}, 1)), "1");
    EXPECT_EQ(shown(after({9}, 9)), "18");
    EXPECT_EQ(shown(after({5, 9}, 7)), "102");
    EXPECT_EQ(shown(after({9, 9}, 1)), "100");
    EXPECT_EQ(shown(after({9, 9, 9, 9}, 1)), "10000");
    EXPECT_EQ(shown(after({3, 4}, 5)), "48");
}

TEST(AddToScore, EveryDigitStaysDecimal) {
    ScoreDigits score{0};
    uint32_t total = 0;
    for (uint32_t i = 0; i < 2000; ++i) {
        const uint32_t points = i % 9 + 1;
        addToScore(score, points);
        total += points;
    }
    EXPECT_EQ(shown(score), std::to_string(total));
}

TEST(AddToScore, AmountsAboveNineStillAddExactly) {
    EXPECT_EQ(shown(after({0}, 25)), "25");
    EXPECT_EQ(shown(after({8, 9}, 15)), "113");
    EXPECT_EQ(shown(after({}, 3)), "3");
    EXPECT_EQ(shown(after({0}, 4000000000u)), "4000000000");
}

}  // namespace
}  // namespace pelmora
