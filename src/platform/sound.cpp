#include "platform/sound.h"

#include "platform/system.h"

namespace pelmora {

void CuePlayer::play(const char* path) {
    soundPath_ = path;
    system_.playSound(soundPath_);
}

void playDrop(CuePlayer& cues) { cues.play("sounds\\drop.wav"); }
void playFlip(CuePlayer& cues) { cues.play("sounds\\flip.wav"); }
void playNewGame(CuePlayer& cues) { cues.play("sounds\\newgame.wav"); }
void playNoDrop(CuePlayer& cues) { cues.play("sounds\\nodrop.wav"); }
void playSelect(CuePlayer& cues) { cues.play("sounds\\select.wav"); }
void playTick(CuePlayer& cues) { cues.play("sounds\\tick.wav"); }
void playUnselectable(CuePlayer& cues) { cues.play("sounds\\unselectable.wav"); }

}  // namespace pelmora
