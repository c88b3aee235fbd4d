#include "platform/sdl/audio.h"

#include <SDL.h>

#include <cstdio>
#include <cstring>

namespace pelmora {
namespace {

struct WaveBuffer {
    Uint8* data = nullptr;
    Uint32 length = 0;
    ~WaveBuffer() { SDL_FreeWAV(data); }
};

}  // namespace

SoundPlayer::~SoundPlayer() {
    if (device_ != 0) SDL_CloseAudioDevice(device_);
    if (audioStarted_) SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

bool SoundPlayer::playSilently() {
    std::fprintf(stderr, "Pelmora: no sound device, playing without sound: %s\n", SDL_GetError());
    return false;
}

// Opened once, on the first cue: a machine without a sound card stays
// silent for the whole run instead of failing on every cue.
bool SoundPlayer::openDevice() {
    if (tried_) return device_ != 0;
    tried_ = true;
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) return playSilently();
    audioStarted_ = true;
    SDL_AudioSpec want{};
    want.freq = 44100;
    want.format = AUDIO_S16SYS;
    want.channels = 2;
    want.samples = 1024;
    SDL_AudioSpec have{};
    device_ = SDL_OpenAudioDevice(nullptr, 0, &want, &have, SDL_AUDIO_ALLOW_ANY_CHANGE);
    if (device_ == 0) return playSilently();
    format_ = have.format;
    channels_ = have.channels;
    rate_ = have.freq;
    SDL_PauseAudioDevice(device_, 0);
    return true;
}

// The whole clip is converted at once: a streaming converter on this SDL
// version loses the tail of short clips.
const std::vector<uint8_t>* SoundPlayer::clip(const std::string& hostPath) {
    auto found = clips_.find(hostPath);
    if (found != clips_.end()) return &found->second;
    SDL_AudioSpec clipFormat{};
    WaveBuffer wave;
    if (!SDL_LoadWAV(hostPath.c_str(), &clipFormat, &wave.data, &wave.length)) return nullptr;
    SDL_AudioCVT cvt{};
    if (SDL_BuildAudioCVT(&cvt, clipFormat.format, clipFormat.channels, clipFormat.freq, format_, channels_, rate_) <
        0) {
        return nullptr;
    }
    std::vector<uint8_t> samples(static_cast<std::size_t>(wave.length) *
                                 static_cast<std::size_t>(cvt.len_mult));
    std::memcpy(samples.data(), wave.data, wave.length);
    cvt.buf = samples.data();
    cvt.len = static_cast<int>(wave.length);
    if (cvt.needed && SDL_ConvertAudio(&cvt) != 0) return nullptr;
    samples.resize(static_cast<std::size_t>(cvt.needed ? cvt.len_cvt : cvt.len));
    return &clips_.emplace(hostPath, std::move(samples)).first->second;
}

void SoundPlayer::play(const std::string& hostPath) {
    if (!openDevice()) return;
    SDL_ClearQueuedAudio(device_);
    const std::vector<uint8_t>* samples = clip(hostPath);
    if (samples == nullptr || samples->empty()) return;
    SDL_QueueAudio(device_, samples->data(), static_cast<Uint32>(samples->size()));
}

uint32_t SoundPlayer::queuedBytes() const {
    return device_ == 0 ? 0 : SDL_GetQueuedAudioSize(device_);
}

std::size_t SoundPlayer::clipBytes(const std::string& hostPath) const {
    auto found = clips_.find(hostPath);
    return found == clips_.end() ? 0 : found->second.size();
}

uint32_t SoundPlayer::bytesPerSecond() const {
    if (device_ == 0) return 0;
    return static_cast<uint32_t>(rate_) * channels_ * SDL_AUDIO_BITSIZE(format_) / 8u;
}

}  // namespace pelmora
