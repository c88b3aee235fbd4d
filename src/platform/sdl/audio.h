// Sound cues: one clip at a time, each new cue cutting off the one playing.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

namespace pelmora {

class SoundPlayer {
public:
    SoundPlayer() = default;
    ~SoundPlayer();
    SoundPlayer(const SoundPlayer&) = delete;
    SoundPlayer& operator=(const SoundPlayer&) = delete;

    // Plays a wave file given by its host path. No sound device, or a file
    // that cannot be read, plays nothing and is not an error.
    void play(const std::string& hostPath);

    // Whether a device is open; the first cue tries to open one.
    bool hasDevice() const { return device_ != 0; }
    // Bytes still waiting to be played, in the device's format.
    uint32_t queuedBytes() const;
    // Size of a clip once converted to the device's format; 0 when not loaded.
    std::size_t clipBytes(const std::string& hostPath) const;
    // Bytes the device plays per second; 0 without a device.
    uint32_t bytesPerSecond() const;

private:
    bool openDevice();
    bool playSilently();
    const std::vector<uint8_t>* clip(const std::string& hostPath);

    bool tried_ = false;
    bool audioStarted_ = false;
    uint32_t device_ = 0;  // SDL_AudioDeviceID
    uint16_t format_ = 0;
    uint8_t channels_ = 0;
    int rate_ = 0;
    std::map<std::string, std::vector<uint8_t>> clips_;
};

}  // namespace pelmora
