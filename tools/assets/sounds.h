// The seven sound cues, synthesised: short, with soft edges so none clicks.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace assets {

constexpr int CueSampleRate = 44100;

struct Cue {
    std::string file;             // e.g. "drop.wav"
    std::vector<double> samples;  // mono, -1..1
};

std::vector<Cue> synthesiseCues();

// Writes each cue as 16-bit PCM mono into `folder`; false with the reason.
bool writeCues(const std::vector<Cue>& cues, const std::string& folder, std::string& error);

}  // namespace assets
