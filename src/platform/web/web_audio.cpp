#include "platform/web/web_audio.h"

#include <emscripten/emscripten.h>

namespace pelmora {
namespace {

EM_JS(void, listenForFirstGesture, (), {
    const audio = Module["pelmoraAudio"] = { context: null, clips: new Map(), playing: null, asked: 0 };
    const gestures = ["keydown", "mousedown", "pointerdown", "touchend"];
    const start = () => {
        gestures.forEach(g => window.removeEventListener(g, start, true));
        const Context = window.AudioContext || window.webkitAudioContext;
        if (!Context) return;
        try { audio.context = new Context(); } catch (e) { return; }
        if (audio.context.state === "suspended") audio.context.resume().catch(() => {});
    };
    gestures.forEach(g => window.addEventListener(g, start, true));
});

// A clip is decoded on its first cue; a cue asked for while it decodes plays
// only if no later cue came in the meantime, as the later one cuts it off.
EM_JS(void, playPackagedClip, (const char* pathText), {
    const audio = Module["pelmoraAudio"];
    if (!audio || !audio.context) return;
    if (audio.playing) { try { audio.playing.stop(); } catch (e) {} audio.playing = null; }
    const asked = ++audio.asked;
    const path = UTF8ToString(pathText);
    const start = buffer => {
        if (!buffer || asked !== audio.asked) return;
        const source = audio.context.createBufferSource();
        source.buffer = buffer;
        source.connect(audio.context.destination);
        source.start();
        audio.playing = source;
    };
    let clip = audio.clips.get(path);
    if (clip === undefined) {
        let bytes = null;
        try { bytes = FS.readFile(path); } catch (e) {}
        clip = !bytes ? null : audio.context.decodeAudioData(bytes.slice().buffer).then(
            buffer => { audio.clips.set(path, buffer); return buffer; },
            () => { audio.clips.set(path, null); return null; });
        audio.clips.set(path, clip);
    }
    if (clip instanceof Promise) clip.then(start); else start(clip);
});

}  // namespace

void startAudioOnFirstGesture() { listenForFirstGesture(); }

void playClip(const std::string& packagedPath) { playPackagedClip(packagedPath.c_str()); }

}  // namespace pelmora
