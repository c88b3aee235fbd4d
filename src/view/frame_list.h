// What each frame shows, written as a draw list for whichever renderer draws it.
#pragma once

#include "view/draw_list.h"
#include "view/renderer.h"

namespace pelmora {

// The menu clears the frame itself and lies flat at depth 0.
void writeMenuFrame(DrawList& list, const MenuView& menu);
// The scene as it stands, onto a frame already cleared.
void writeSceneFrame(DrawList& list, const SceneView& scene);

// A renderer that draws from the draw list: both frames are written here, and
// only their replay is its own.
class ListRenderer : public Renderer {
public:
    void drawMenu(const MenuView& menu) final;
    void drawScene(const SceneView& scene) final;

protected:
    virtual void replay(const DrawList& list) = 0;

private:
    DrawList list_;
};

}  // namespace pelmora
