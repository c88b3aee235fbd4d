// The fixed-function matrix steps done by hand, for a renderer that has no
// matrix stack of its own: column-major 4x4 doubles with the values the GL
// utility library and the GL matrix calls give.
#pragma once

#include <array>

#include "view/geometry.h"

namespace pelmora {

using Matrix = std::array<double, 16>;

Matrix identityMatrix();
Matrix operator*(const Matrix& a, const Matrix& b);
// As gluPerspective: field of view in degrees, width over height, the planes.
Matrix perspectiveMatrix(double fovy, double aspect, double zNear, double zFar);
// As gluOrtho2D: depth from -1 to 1.
Matrix orthographicMatrix(double left, double right, double bottom, double top);
Matrix translationMatrix(const Vec3& by);
// As glRotate: degrees about an axis of any length.
Matrix rotationMatrix(double angle, const Vec3& axis);

}  // namespace pelmora
