#include "view/matrix.h"

#include <cmath>

namespace pelmora {

namespace {

constexpr double Pi = 3.14159265358979323846;

}  // namespace

Matrix identityMatrix() { return {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1}; }

Matrix operator*(const Matrix& a, const Matrix& b) {
    Matrix m{};
    for (int col = 0; col < 4; ++col)
        for (int row = 0; row < 4; ++row)
            for (int k = 0; k < 4; ++k) m[col * 4 + row] += a[k * 4 + row] * b[col * 4 + k];
    return m;
}

Matrix perspectiveMatrix(double fovy, double aspect, double zNear, double zFar) {
    const double radians = fovy / 2 * Pi / 180;
    const double depth = zFar - zNear;
    const double cotangent = std::cos(radians) / std::sin(radians);
    Matrix m{};
    m[0] = cotangent / aspect;
    m[5] = cotangent;
    m[10] = -(zFar + zNear) / depth;
    m[11] = -1;
    m[14] = -2 * zNear * zFar / depth;
    return m;
}

Matrix orthographicMatrix(double left, double right, double bottom, double top) {
    Matrix m = identityMatrix();
    m[0] = 2 / (right - left);
    m[5] = 2 / (top - bottom);
    m[10] = -1;
    m[12] = -(right + left) / (right - left);
    m[13] = -(top + bottom) / (top - bottom);
    return m;
}

Matrix translationMatrix(const Vec3& by) {
    Matrix m = identityMatrix();
    m[12] = by.x;
    m[13] = by.y;
    m[14] = by.z;
    return m;
}

Matrix rotationMatrix(double angle, const Vec3& axis) {
    const double length = std::sqrt(axis.x * axis.x + axis.y * axis.y + axis.z * axis.z);
    if (length == 0) return identityMatrix();
    const double x = axis.x / length, y = axis.y / length, z = axis.z / length;
    const double c = std::cos(angle * Pi / 180), s = std::sin(angle * Pi / 180), t = 1 - c;
    return {t * x * x + c,
            t * x * y + s * z,
            t * x * z - s * y,
            0,
            t * x * y - s * z,
            t * y * y + c,
            t * y * z + s * x,
            0,
            t * x * z + s * y,
            t * y * z - s * x,
            t * z * z + c,
            0,
            0,
            0,
            0,
            1};
}

}  // namespace pelmora
