// The seven sound cues.
#pragma once

#include <string>

namespace pelmora {

class System;

// Plays the cues through the system's sound, one at a time.
class CuePlayer {
public:
    explicit CuePlayer(System& system) : system_(system) {}

    // The path of the cue played last; empty before the first.
    const std::string& soundPath() const { return soundPath_; }
    void play(const char* path);

private:
    System& system_;
    std::string soundPath_;
};

void playDrop(CuePlayer& cues);
void playFlip(CuePlayer& cues);
void playNewGame(CuePlayer& cues);
void playNoDrop(CuePlayer& cues);
void playSelect(CuePlayer& cues);
void playTick(CuePlayer& cues);
void playUnselectable(CuePlayer& cues);

}  // namespace pelmora
