// The matrices the WebGL renderer computes for itself, against the ones the
// desktop's GL and its utility library build for the same calls.
#include "view/matrix.h"

#include <GL/gl.h>
#include <GL/glu.h>
#include <gtest/gtest.h>

#include <functional>

#include "support/gl_window.h"

namespace pelmora {
namespace {

struct MatrixCase { const char* what; GLenum stack; std::function<void()> glCalls; Matrix ours; };

TEST(MatrixSteps, AgreeWithTheFixedFunctionCalls) {
    GlWindow window;
    ASSERT_EQ(window.open(false), "");
    const double nearPlane = static_cast<double>(0.1f);
    const Matrix tilt = translationMatrix({0, 0, -24}) * rotationMatrix(7.25, {1, 0, 0}) *
                        rotationMatrix(-3.5, {0, 1, 0}) * rotationMatrix(270, {1, 0, 0}) *
                        rotationMatrix(90, {0, 0, 1});
    const MatrixCase cases[] = {
        {"perspective", GL_PROJECTION,
         [&] { gluPerspective(45.0, 1024.0 / 768.0, nearPlane, 100.0); },
         perspectiveMatrix(45.0, 1024.0 / 768.0, nearPlane, 100.0)},
        {"window pixels", GL_PROJECTION, [] { gluOrtho2D(0, 1024, 0, 768); },
         orthographicMatrix(0, 1024, 0, 768)},
        {"turned and tilted", GL_MODELVIEW,
         [] {
             glTranslated(0, 0, -24);
             glRotated(7.25, 1, 0, 0);
             glRotated(-3.5, 0, 1, 0);
             glRotated(270, 1, 0, 0);
             glRotated(90, 0, 0, 1);
         },
         tilt},
        {"axis of any length", GL_MODELVIEW, [] { glRotated(-180, 0, 2, 2); },
         rotationMatrix(-180, {0, 2, 2})},
    };
    for (const MatrixCase& c : cases) {
        SCOPED_TRACE(c.what);
        glMatrixMode(c.stack);
        glLoadIdentity();
        c.glCalls();
        GLdouble theirs[16];
        glGetDoublev(c.stack == GL_PROJECTION ? GL_PROJECTION_MATRIX : GL_MODELVIEW_MATRIX, theirs);
        // The GL keeps its matrices in single precision.
        for (int i = 0; i < 16; ++i)
            EXPECT_NEAR(c.ours[i], theirs[i], 2e-6 * (1 + std::abs(theirs[i]))) << i;
    }
    EXPECT_TRUE(window.close());
}

}  // namespace
}  // namespace pelmora
