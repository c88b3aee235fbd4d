// The renderer that draws the game with fixed-function OpenGL: display lists
// for the fixed quads, immediate mode for the runs of each frame's draw list.
#pragma once

#include "view/frame_list.h"

namespace pelmora {

class GlRenderer : public ListRenderer {
public:
    void setFixedState() override;
    uint32_t createTexture(const Image& image) override;
    void buildDisplayLists(uint32_t width, uint32_t height) override;
    void deleteDisplayLists() override;
    void setProjection(bool perspective, uint32_t width, uint32_t height) override;
    void clearFrame() override;

protected:
    void replay(const DrawList& list) override;
};

}  // namespace pelmora
