// The game's mode, menu page, key delay, clock and score.
#pragma once

#include <cstdint>
#include <vector>

namespace pelmora {

class System;

enum GameMode : int32_t { ModeMenu = 0, ModePlaying = 1 };

// Which menu screen is shown while in the menu.
enum MenuPage : int32_t {
    PageNewGame = 0,
    PageQuit = 1,
    PagePaused = 2,
    PageGameWon = 3,
    PageGameOver = 4,
};

// The key delay shared by every key action.
struct ActionGate {
    uint32_t lastAction = 0;
    uint32_t now = 0;
    uint32_t delay = 1000;
};

// Elapsed play time and the drop countdown, as decimal digits.
struct GameClock {
    uint32_t hoursTens = 0;
    uint32_t hoursUnits = 0;
    uint32_t minutesTens = 0;
    uint32_t minutesUnits = 0;
    uint32_t secondsTens = 0;
    uint32_t secondsUnits = 0;
    uint32_t lastSecond = 0;
    uint32_t now = 0;
    uint32_t secondLength = 1000;
    uint32_t countdownTens = 3;
    uint32_t countdownUnits = 0;
    bool started = false;
    bool warned = false;
};

// A score as decimal digits, least significant first; never empty.
using ScoreDigits = std::vector<uint32_t>;

void resetGameClock(GameClock& clock);
void resetScore(ScoreDigits& score);
void tickGameClock(GameClock& clock, System& system);
void advanceElapsedTime(GameClock& clock);
void refillCountdown(GameClock& clock);
bool gateAllows(ActionGate& gate, System& system);

}  // namespace pelmora
