// Sound cues through Web Audio: one clip at a time, each new cue cutting off
// the one playing, each file decoded once.
#pragma once

#include <string>

namespace pelmora {

// Browsers let a page play sound only after the player has clicked or typed
// into it: the audio starts at the first such gesture, and until then every
// cue is silent.
void startAudioOnFirstGesture();

// Plays a wave file of the packaged files; a missing or undecodable one
// plays nothing, and is not an error.
void playClip(const std::string& packagedPath);

}  // namespace pelmora
