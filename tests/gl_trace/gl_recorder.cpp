// Stands in for the GL and GLU libraries: every call the renderer makes is
// written as one line of text, so that a test can compare whole frames.
#include "gl_trace/gl_recorder.h"

#include <GL/gl.h>
#include <GL/glu.h>

#include <cstdarg>
#include <cstdio>

namespace pelmora {

std::string& glTrace() {
    static std::string trace;
    return trace;
}

namespace {

void record(const char* format, ...) {
    char line[160];
    va_list args;
    va_start(args, format);
    std::vsnprintf(line, sizeof line, format, args);
    va_end(args);
    glTrace() += line;
    glTrace() += '\n';
}

}  // namespace
}  // namespace pelmora

using pelmora::record;

extern "C" {
void glBegin(GLenum m) { record("Begin %u", m); }
void glEnd() { record("End"); }
void glTexCoord2d(GLdouble u, GLdouble v) { record("TexCoord2d %.17g %.17g", u, v); }
void glVertex3d(GLdouble x, GLdouble y, GLdouble z) {
    record("Vertex3d %.17g %.17g %.17g", x, y, z);
}
void glVertex2i(GLint x, GLint y) { record("Vertex2i %d %d", x, y); }
void glColor3d(GLdouble r, GLdouble g, GLdouble b) { record("Color3d %.17g %.17g %.17g", r, g, b); }
void glColor3ub(GLubyte r, GLubyte g, GLubyte b) { record("Color3ub %u %u %u", r, g, b); }
void glBindTexture(GLenum t, GLuint id) { record("BindTexture %u %u", t, id); }
void glRotated(GLdouble a, GLdouble x, GLdouble y, GLdouble z) {
    record("Rotated %.17g %.17g %.17g %.17g", a, x, y, z);
}
void glTranslated(GLdouble x, GLdouble y, GLdouble z) {
    record("Translated %.17g %.17g %.17g", x, y, z);
}
void glNewList(GLuint list, GLenum mode) { record("NewList %u %u", list, mode); }
void glEndList() { record("EndList"); }
void glCallList(GLuint list) { record("CallList %u", list); }
void glDeleteLists(GLuint list, GLsizei n) { record("DeleteLists %u %d", list, n); }
void glEnable(GLenum cap) { record("Enable %u", cap); }
void glDisable(GLenum cap) { record("Disable %u", cap); }
void glClearDepth(GLclampd d) { record("ClearDepth %.17g", d); }
void glDepthFunc(GLenum f) { record("DepthFunc %u", f); }
void glHint(GLenum t, GLenum m) { record("Hint %u %u", t, m); }
void glShadeModel(GLenum m) { record("ShadeModel %u", m); }
void glClearColor(GLclampf r, GLclampf g, GLclampf b, GLclampf a) {
    record("ClearColor %.9g %.9g %.9g %.9g", double(r), double(g), double(b), double(a));
}
void glClear(GLbitfield mask) { record("Clear %u", mask); }
void glGenTextures(GLsizei n, GLuint* ids) {
    static GLuint next = 1;
    for (GLsizei i = 0; i < n; ++i) ids[i] = next++;
    record("GenTextures %d", n);
}
void glPixelStorei(GLenum p, GLint v) { record("PixelStorei %u %d", p, v); }
void glTexParameteri(GLenum t, GLenum p, GLint v) { record("TexParameteri %u %u %d", t, p, v); }
void glTexImage2D(GLenum t, GLint level, GLint format, GLsizei w, GLsizei h, GLint border, GLenum f,
                  GLenum type, const GLvoid* pixels) {
    const auto* p = static_cast<const unsigned char*>(pixels);
    record("TexImage2D %u %d %d %d %d %d %u %u first %u", t, level, format, w, h, border, f, type,
           p ? p[0] : 0u);
}
void glViewport(GLint x, GLint y, GLsizei w, GLsizei h) {
    record("Viewport %d %d %d %d", x, y, w, h);
}
void glMatrixMode(GLenum m) { record("MatrixMode %u", m); }
void glLoadIdentity() { record("LoadIdentity"); }
void gluPerspective(GLdouble fovy, GLdouble aspect, GLdouble zNear, GLdouble zFar) {
    record("Perspective %.17g %.17g %.17g %.17g", fovy, aspect, zNear, zFar);
}
void gluOrtho2D(GLdouble l, GLdouble r, GLdouble b, GLdouble t) {
    record("Ortho2D %.17g %.17g %.17g %.17g", l, r, b, t);
}
}
