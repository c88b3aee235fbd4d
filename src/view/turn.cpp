#include "view/turn.h"

#include <algorithm>
#include <array>
#include <utility>

#include "board/board.h"
#include "platform/sound.h"
#include "platform/system.h"
#include "play/drop.h"
#include "values/action_gate.h"
#include "view/tilt.h"

namespace pelmora {

namespace {

constexpr uint32_t TurningFrames = 60;
constexpr uint32_t SettlingFrames = 10;
constexpr double QuarterTurn = 90.0;

struct DirectionRule {
    uint8_t targetFace;
    // End angles from the start tilt (x, y): x + dx (or 0), y + dy (or 0).
    bool keepX;
    double dx;
    bool keepY;
    double dy;
    int settleAxis;     // cursor axis whose tilt the settling carries over
    double settleSign;  // sign of tiltZ during the settling
    // Index cycle[0] receives the face at cycle[1], cycle[1] the one at
    // cycle[2], and so on round to cycle[3] receiving cycle[0]'s.
    std::array<uint8_t, 4> cycle;
    std::array<uint8_t, 4> renumberOrder;
};

// Faces: 0 front, 1 right, 2 back, 3 left, 4 top, 5 bottom.
constexpr DirectionRule Rules[4] = {
    {4, true, QuarterTurn, false, 0, 1, -1.0, {0, 4, 2, 5}, {0, 4, 2, 5}},   // up
    {5, true, -QuarterTurn, false, 0, 1, +1.0, {0, 5, 2, 4}, {0, 5, 2, 4}},  // down
    {1, false, 0, true, -QuarterTurn, 0, -1.0, {0, 1, 2, 3}, {0, 3, 2, 1}},  // right
    {3, false, 0, true, QuarterTurn, 0, +1.0, {0, 3, 2, 1}, {0, 3, 2, 1}},   // left
};

const DirectionRule& ruleFor(uint8_t direction) { return Rules[direction % 4u]; }

void stopTracks(CubeTurn& t) {
    t.activeX = t.activeY = t.activeZ = false;
    t.indexX = t.indexY = t.indexZ = 0;
}

void fillTurningTracks(CubeTurn& t, const InputState& in, const DirectionRule& rule) {
    stopTracks(t);
    fillLinear(t.trackX, TurningFrames, in.tiltX, rule.keepX ? in.tiltX + rule.dx : 0.0);
    fillLinear(t.trackY, TurningFrames, in.tiltY, rule.keepY ? in.tiltY + rule.dy : 0.0);
    fillLinear(t.trackZ, TurningFrames, 0.0, 0.0);
    // The z track stays off while turning, so tiltZ keeps its value.
    t.activeX = true;
    t.activeY = true;
    t.trackLength = TurningFrames;
}

// Sets the angle to the track's entry at its index and moves the index on.
// An index past the end leaves the angle alone.
void playTrack(const std::vector<double>& track, uint32_t& index, double& angle) {
    if (index < track.size()) angle = track[index];
    ++index;
}

uint32_t leadingIndex(const CubeTurn& t) {
    if (t.activeX) return t.indexX;
    if (t.activeY) return t.indexY;
    return t.indexZ;
}

void startSettling(TurnContext& c) {
    CubeTurn& t = c.turn;
    t.turnPhase = 1;
    const double s = tiltFromCursor(c.input, c.system, c.window, ruleFor(t.turnDirection).settleAxis);
    stopTracks(t);
    t.trackLength = SettlingFrames;
    fillLinear(t.trackZ, SettlingFrames, 0.0, s);
    t.activeZ = true;
}

void stepTurning(TurnContext& c) {
    CubeTurn& t = c.turn;
    InputState& in = c.input;
    c.system.setCursorShape(CursorShape::Wait);
    if (t.activeX) playTrack(t.trackX, t.indexX, in.tiltX);
    if (t.activeY) playTrack(t.trackY, t.indexY, in.tiltY);
    if (t.activeZ) playTrack(t.trackZ, t.indexZ, in.tiltZ);
    if (leadingIndex(t) >= t.trackLength) startSettling(c);
}

void stepSettling(TurnContext& c) {
    CubeTurn& t = c.turn;
    double v = 0.0;
    playTrack(t.trackZ, t.indexZ, v);
    c.input.tiltZ = ruleFor(t.turnDirection).settleSign * v;
    if (t.indexZ < t.trackLength) return;
    t.turnRunning = false;
    t.turnFinished = true;
    c.system.setCursorShape(CursorShape::Arrow);
    // Resting at an edge turns the cube again only after a fresh dwell.
    c.input.edgeDwell.armed = false;
    c.input.edgeDwell.since = 0;
}

}  // namespace

void startTurn(TurnContext& c, uint8_t direction) {
    CubeTurn& t = c.turn;
    if (t.turnRunning || direction > TurnLeft) return;
    playFlip(c.cues);
    if (t.turnFinished) {
        t.turnFinished = false;
        commitTurn(t, c.board);
        clearParticles(c.cloud);
        updateCursorTilt(c.input, c.system, c.window);
    }
    const DirectionRule& rule = ruleFor(direction);
    t.turnPhase = 0;
    t.turnRunning = true;
    t.targetFace = rule.targetFace;
    t.turnDirection = direction;
    fillTurningTracks(t, c.input, rule);
    c.gate.lastAction = c.system.tickCount();
}

void stepTurnAnimation(TurnContext& c) {
    if (!c.turn.turnRunning) return;
    if (c.turn.turnPhase == 0)
        stepTurning(c);
    else
        stepSettling(c);
}

void commitTurn(const CubeTurn& turn, Board& board) {
    const DirectionRule& rule = ruleFor(turn.turnDirection);
    auto& faces = board.faces;
    const auto& c = rule.cycle;
    std::unique_ptr<Face> first = std::move(faces[c[0]]);
    faces[c[0]] = std::move(faces[c[1]]);
    faces[c[1]] = std::move(faces[c[2]]);
    faces[c[2]] = std::move(faces[c[3]]);
    faces[c[3]] = std::move(first);
    for (uint8_t i : rule.renumberOrder) board.renumberFace(i, i);
}

std::vector<double> emptyTrack() {
    std::vector<double> track;
    track.reserve(std::max(TurningFrames, SettlingFrames));
    return track;
}

void fillLinear(std::vector<double>& list, uint32_t n, double a, double b) {
    list.clear();
    if (n == 0) return;
    list.push_back(a);
    if (n == 1) return;
    const double step = (b - a) / (n - 1);
    for (uint32_t i = 0; i + 2 < n; ++i) list.push_back(list.back() + step);
    list.push_back(b);
}

}  // namespace pelmora
