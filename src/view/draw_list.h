// One frame written out as a short program for a renderer: which texture to
// bind, which fixed quad to replay, runs of textured quads and coloured lines,
// and the matrix and colour steps between them. It holds plain numbers only,
// so the desktop GL renderer and the WebGL renderer draw the same frame from
// the same list. Its storage is kept from frame to frame: writing a frame
// allocates nothing once the first frames have been drawn.
#pragma once

#include <cstdint>
#include <vector>

#include "view/geometry.h"

namespace pelmora {

enum class DrawOp : uint8_t {
    Clear,   // clear colour and depth; the model-view matrix back to identity
    Colour,  // the current colour becomes vec (red, green, blue in 0..1)
    TexturingOn,
    TexturingOff,
    BindTexture,  // value: the texture name, 0 for none
    ReplayList,   // value: the fixed quad's list number
    Quads,        // run of quads from first, count of them
    Lines,        // run of coloured lines from first; each sets the colour it is drawn in
    Translate,    // by vec
    Rotate,       // angle degrees about the axis vec
};

struct DrawCommand {
    DrawOp op = DrawOp::Clear;
    uint32_t value = 0;
    uint32_t first = 0;
    uint32_t count = 0;
    double angle = 0.0;
    Vec3 vec;
};

// A dust line, drawn in its own colour; the colour stays current after it.
struct ColouredLine {
    uint8_t red = 0;
    uint8_t green = 0;
    uint8_t blue = 0;
    LineEnds ends;
};

class DrawList {
public:
    DrawList();

    void clear();
    void add(DrawOp op, uint32_t value = 0);
    void colour(double red, double green, double blue);
    void translate(double x, double y, double z);
    void rotate(const Rotation& rotation);
    // A run is opened, filled, and ends where the next command begins.
    void beginQuads();
    void addQuad(const Quad& quad);
    void beginLines();
    void addLine(const ColouredLine& line);

    const std::vector<DrawCommand>& commands() const { return commands_; }
    const Quad& quad(uint32_t index) const { return quads_[index]; }
    const ColouredLine& line(uint32_t index) const { return lines_[index]; }

private:
    std::vector<DrawCommand> commands_;
    std::vector<Quad> quads_;
    std::vector<ColouredLine> lines_;
};

}  // namespace pelmora
