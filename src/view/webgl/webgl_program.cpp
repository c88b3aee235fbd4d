#include <cstdio>

#include "view/webgl/webgl_renderer.h"

namespace pelmora {

namespace {

// As the fixed-function pipeline modulates: the texel times the colour, the
// colour alone where texturing is off.
constexpr const char* VertexShader = R"(
attribute vec3 position;
attribute vec2 texCoord;
attribute vec4 colour;
uniform mat4 transform;
varying highp vec2 place;
varying lowp vec4 tint;
void main() {
    place = texCoord;
    tint = colour;
    gl_Position = transform * vec4(position, 1.0);
}
)";

constexpr const char* FragmentShader = R"(
precision highp float;
uniform sampler2D picture;
uniform bool textured;
varying highp vec2 place;
varying lowp vec4 tint;
void main() {
    gl_FragColor = textured ? tint * texture2D(picture, place) : tint;
}
)";

GLuint compile(GLenum kind, const char* source) {
    const GLuint shader = glCreateShader(kind);
    glShaderSource(shader, 1, &source, nullptr);
    glCompileShader(shader);
    GLint ok = GL_FALSE;
    glGetShaderiv(shader, GL_COMPILE_STATUS, &ok);
    if (ok == GL_TRUE) return shader;
    char log[512] = "";
    glGetShaderInfoLog(shader, sizeof log, nullptr, log);
    std::fprintf(stderr, "Pelmora: a shader did not compile: %s\n", log);
    glDeleteShader(shader);
    return 0;
}

GLuint link(GLuint vertex, GLuint fragment) {
    const GLuint program = glCreateProgram();
    glAttachShader(program, vertex);
    glAttachShader(program, fragment);
    glLinkProgram(program);
    glDeleteShader(vertex);
    glDeleteShader(fragment);
    GLint ok = GL_FALSE;
    glGetProgramiv(program, GL_LINK_STATUS, &ok);
    if (ok == GL_TRUE) return program;
    std::fprintf(stderr, "Pelmora: the shaders did not link.\n");
    glDeleteProgram(program);
    return 0;
}

}  // namespace

WebGlProgram buildWebGlProgram() {
    WebGlProgram p;
    const GLuint vertex = compile(GL_VERTEX_SHADER, VertexShader);
    const GLuint fragment = compile(GL_FRAGMENT_SHADER, FragmentShader);
    if (vertex == 0 || fragment == 0) return p;
    p.program = link(vertex, fragment);
    if (p.program == 0) return p;
    p.position = glGetAttribLocation(p.program, "position");
    p.texCoord = glGetAttribLocation(p.program, "texCoord");
    p.colour = glGetAttribLocation(p.program, "colour");
    p.transform = glGetUniformLocation(p.program, "transform");
    p.textured = glGetUniformLocation(p.program, "textured");
    return p;
}

}  // namespace pelmora
