#include "view/draw_list.h"

namespace pelmora {

namespace {

// Room for the busiest frame: two full faces of five-quad tiles plus the
// bar's glyphs, and the dust of a five-card drop.
constexpr size_t QuadsReserved = 2 * 144 * 5 + 64;
constexpr size_t LinesReserved = 5 * 36 * 48;
constexpr size_t CommandsReserved = 64;

}  // namespace

DrawList::DrawList() {
    commands_.reserve(CommandsReserved);
    quads_.reserve(QuadsReserved);
    lines_.reserve(LinesReserved);
}

void DrawList::clear() {
    commands_.clear();
    quads_.clear();
    lines_.clear();
}

void DrawList::add(DrawOp op, uint32_t value) {
    DrawCommand command;
    command.op = op;
    command.value = value;
    commands_.push_back(command);
}

void DrawList::colour(double red, double green, double blue) {
    add(DrawOp::Colour);
    commands_.back().vec = {red, green, blue};
}

void DrawList::translate(double x, double y, double z) {
    add(DrawOp::Translate);
    commands_.back().vec = {x, y, z};
}

void DrawList::rotate(const Rotation& rotation) {
    add(DrawOp::Rotate);
    commands_.back().angle = rotation.angle;
    commands_.back().vec = rotation.axis;
}

void DrawList::beginQuads() {
    add(DrawOp::Quads);
    commands_.back().first = static_cast<uint32_t>(quads_.size());
}

void DrawList::addQuad(const Quad& quad) {
    quads_.push_back(quad);
    ++commands_.back().count;
}

void DrawList::beginLines() {
    add(DrawOp::Lines);
    commands_.back().first = static_cast<uint32_t>(lines_.size());
}

void DrawList::addLine(const ColouredLine& line) {
    lines_.push_back(line);
    ++commands_.back().count;
}

}  // namespace pelmora
