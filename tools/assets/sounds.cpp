#include "assets/sounds.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>

#include <sndfile.h>

#include "assets/paint.h"

namespace assets {
namespace {

using Buffer = std::vector<double>;

constexpr double Rate = CueSampleRate;
constexpr double EdgeFade = 0.006;  // seconds of fade at both ends
constexpr double Peak = 0.7;

Buffer silence(double seconds) { return Buffer(static_cast<size_t>(seconds * Rate), 0.0); }

// A note: overtones given as (ratio, weight); a quick attack, an exponential
// decay and a short release before its end.
struct Note {
    double start = 0.0;
    double length = 0.1;
    double freq = 440.0;
    double endFreq = 0.0;  // 0: no glide
    double amplitude = 0.5;
    double decay = 8.0;    // per second
    std::vector<std::pair<double, double>> overtones = {{1.0, 1.0}};
};

void addNote(Buffer& buffer, const Note& note) {
    const size_t first = static_cast<size_t>(note.start * Rate);
    const size_t count = static_cast<size_t>(note.length * Rate);
    const double endFreq = note.endFreq > 0.0 ? note.endFreq : note.freq;
    double phase = 0.0;
    for (size_t i = 0; i < count && first + i < buffer.size(); ++i) {
        const double t = static_cast<double>(i) / Rate;
        const double attack = std::min(1.0, t / 0.004);
        const double release = std::min(1.0, (note.length - t) / 0.02);
        const double envelope = attack * release * std::exp(-note.decay * t);
        double value = 0.0;
        for (const auto& [ratio, weight] : note.overtones) value += weight * std::sin(phase * ratio);
        buffer[first + i] += note.amplitude * envelope * value;
        phase += 2.0 * M_PI * (note.freq + (endFreq - note.freq) * t / note.length) / Rate;
    }
}

// Odd harmonics falling off as 1/n: a soft square wave, the colour of a buzzer.
std::vector<std::pair<double, double>> squareish() {
    return {{1, 1.0}, {3, 1.0 / 3}, {5, 1.0 / 5}, {7, 1.0 / 7}, {9, 1.0 / 9}};
}

// Odd harmonics falling off as 1/n^2: a mellow triangle-like tone.
std::vector<std::pair<double, double>> mellow() { return {{1, 1.0}, {3, 1.0 / 9}, {5, 1.0 / 25}}; }

// A struck bell: slightly inharmonic upper partials.
std::vector<std::pair<double, double>> bell() { return {{1, 1.0}, {2.0, 0.3}, {3.01, 0.12}}; }

// Notes laid over `seconds` of silence.
Buffer cueOf(double seconds, std::initializer_list<Note> notes) {
    Buffer b = silence(seconds);
    for (const Note& note : notes) addNote(b, note);
    return b;
}

// Four bells rising, one every `step` seconds, all ringing on to the end.
Buffer bellArpeggio(const double (&freqs)[4], double step, double decay) {
    const double length = 0.55;
    Buffer b = silence(length);
    for (int i = 0; i < 4; ++i) addNote(b, {step * i, length - step * i, freqs[i], 0, 0.4, decay, bell()});
    return b;
}

Buffer selectCue() { return cueOf(0.08, {{0.0, 0.08, 1320, 0, 0.6, 45, {{1, 1.0}, {2, 0.25}}}}); }

// Two low buzzes, the second lower: a refusal.
Buffer unselectableCue() {
    return cueOf(0.26, {{0.0, 0.1, 116, 0, 0.6, 4, squareish()}, {0.14, 0.12, 104, 0, 0.6, 4, squareish()}});
}

// Bright bells climbing: a reward.
Buffer dropCue() { return bellArpeggio({784.0, 1046.5, 1318.5, 1568.0}, 0.065, 7); }

Buffer noDropCue() {
    return cueOf(0.38, {{0.0, 0.15, 494, 0, 0.55, 3, mellow()}, {0.16, 0.22, 370, 340, 0.55, 5, mellow()}});
}

// Two high beeps: a warning.
Buffer tickCue() {
    return cueOf(0.22, {{0.0, 0.07, 1760, 0, 0.35, 10, squareish()},
                        {0.12, 0.07, 1760, 0, 0.35, 10, squareish()}});
}

Buffer newGameCue() { return bellArpeggio({523.25, 659.25, 784.0, 1046.5}, 0.08, 9); }

// Noise through a resonant band-pass whose centre sweeps upward: a whoosh.
Buffer flipCue() {
    Buffer b = silence(0.34);
    Noise noise(0xF11Bu);
    double low = 0.0, band = 0.0;
    const double damping = 0.35;
    for (size_t i = 0; i < b.size(); ++i) {
        const double progress = static_cast<double>(i) / static_cast<double>(b.size());
        const double centre = 300.0 * std::pow(8.0, progress);
        const double f = 2.0 * std::sin(M_PI * centre / Rate);
        const double high = noise.signedUnit() - low - damping * band;
        band += f * high;
        low += f * band;
        b[i] = band * std::sin(M_PI * progress);
    }
    return b;
}

void finish(Buffer& b) {
    double loudest = 0.0;
    for (double s : b) loudest = std::max(loudest, std::fabs(s));
    const double gain = loudest > 0.0 ? Peak / loudest : 0.0;
    const size_t fade = static_cast<size_t>(EdgeFade * Rate);
    for (size_t i = 0; i < b.size(); ++i) {
        const size_t edge = std::min(i, b.size() - 1 - i);
        b[i] *= gain * std::min(1.0, static_cast<double>(edge) / fade);
    }
}

std::vector<short> toPcm16(const Buffer& b) {
    std::vector<short> pcm(b.size());
    for (size_t i = 0; i < b.size(); ++i) {
        pcm[i] = static_cast<short>(std::clamp(std::lround(b[i] * 32767.0), -32767L, 32767L));
    }
    return pcm;
}

}  // namespace

std::vector<Cue> synthesiseCues() {
    std::vector<Cue> cues = {
        {"drop.wav", dropCue()},       {"flip.wav", flipCue()},
        {"newgame.wav", newGameCue()}, {"nodrop.wav", noDropCue()},
        {"select.wav", selectCue()},   {"tick.wav", tickCue()},
        {"unselectable.wav", unselectableCue()},
    };
    for (Cue& cue : cues) finish(cue.samples);
    return cues;
}

bool writeCues(const std::vector<Cue>& cues, const std::string& folder, std::string& error) {
    for (const Cue& cue : cues) {
        const std::string path = folder + "/" + cue.file;
        SF_INFO info{};
        info.samplerate = CueSampleRate;
        info.channels = 1;
        info.format = SF_FORMAT_WAV | SF_FORMAT_PCM_16;
        SNDFILE* file = sf_open(path.c_str(), SFM_WRITE, &info);
        if (file == nullptr) {
            error = "cannot write " + path + ": " + sf_strerror(nullptr);
            return false;
        }
        const std::vector<short> pcm = toPcm16(cue.samples);
        const auto frames = static_cast<sf_count_t>(pcm.size());
        const bool complete = sf_write_short(file, pcm.data(), frames) == frames;
        if (!complete) error = "cannot write " + path + ": " + sf_strerror(file);
        sf_close(file);
        if (!complete) return false;
    }
    return true;
}

}  // namespace assets
