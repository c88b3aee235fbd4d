// The single best result, kept in "scoredata.xml" between runs.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "values/game_clock.h"
#include "values/score_digits.h"

namespace pelmora {

struct TopScore {
    std::array<uint32_t, 6> time{};  // hh mm ss digits, as the clock holds them
    ScoreDigits value{0};
};

constexpr const char* ScoreFileName = "scoredata.xml";

// Reads the top score; any missing or damaged file gives the zero top score.
void loadTopScore(TopScore& top, const std::string& path = ScoreFileName);
// Writes the top score whole or not at all: the old file survives a failure.
// Gives false when the file could not be written.
bool saveTopScore(const TopScore& top, const std::string& path = ScoreFileName);
bool beatsTopScore(const TopScore& top, const ScoreDigits& current);
void storeTopScore(TopScore& top, const GameClock& clock, const ScoreDigits& current);
std::string numberToText(uint32_t number);
// The four lines of the file, each ended by CR LF.
std::string topScoreText(const TopScore& top);
// Reads a top score out of the file's text.
TopScore parseTopScore(const std::string& text);

}  // namespace pelmora
