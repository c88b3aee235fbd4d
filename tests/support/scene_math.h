// The matrices the game scene is drawn with, worked out on the CPU so tests
// can say where a point of the cube lands in the 1024 x 768 window.
#pragma once

#include <array>
#include <cmath>

#include "view/geometry.h"

namespace pelmora::testmath {

constexpr double Pi = 3.14159265358979323846;

struct Mat4 {
    std::array<double, 16> m{};  // row-major

    static Mat4 identity() {
        Mat4 r;
        for (int i = 0; i < 4; ++i) r.at(i, i) = 1.0;
        return r;
    }
    double& at(int row, int col) { return m[static_cast<size_t>(row * 4 + col)]; }
    double at(int row, int col) const { return m[static_cast<size_t>(row * 4 + col)]; }

    Mat4 operator*(const Mat4& o) const {
        Mat4 r;
        for (int i = 0; i < 4; ++i)
            for (int j = 0; j < 4; ++j)
                for (int k = 0; k < 4; ++k) r.at(i, j) += at(i, k) * o.at(k, j);
        return r;
    }
    std::array<double, 4> apply(const Vec3& p) const {
        std::array<double, 4> out{};
        for (int i = 0; i < 4; ++i)
            out[static_cast<size_t>(i)] = at(i, 0) * p.x + at(i, 1) * p.y + at(i, 2) * p.z + at(i, 3);
        return out;
    }
};

inline Mat4 translation(double x, double y, double z) {
    Mat4 r = Mat4::identity();
    r.at(0, 3) = x;
    r.at(1, 3) = y;
    r.at(2, 3) = z;
    return r;
}

// The rotation glRotated builds: degrees about a unit axis.
inline Mat4 rotation(double degrees, Vec3 axis) {
    const double len = std::sqrt(axis.x * axis.x + axis.y * axis.y + axis.z * axis.z);
    const double x = axis.x / len, y = axis.y / len, z = axis.z / len;
    const double a = degrees * Pi / 180.0, c = std::cos(a), s = std::sin(a), t = 1 - c;
    Mat4 r = Mat4::identity();
    r.at(0, 0) = x * x * t + c;
    r.at(0, 1) = x * y * t - z * s;
    r.at(0, 2) = x * z * t + y * s;
    r.at(1, 0) = y * x * t + z * s;
    r.at(1, 1) = y * y * t + c;
    r.at(1, 2) = y * z * t - x * s;
    r.at(2, 0) = z * x * t - y * s;
    r.at(2, 1) = z * y * t + x * s;
    r.at(2, 2) = z * z * t + c;
    return r;
}

inline Mat4 rotation(const Rotation& r) { return rotation(r.angle, r.axis); }

// gluPerspective with the game's values.
inline Mat4 gamePerspective(double width = 1024, double height = 768) {
    const double f = 1.0 / std::tan(45.0 * Pi / 360.0);
    const double n = static_cast<double>(0.1f), far = 100.0;
    Mat4 r;
    r.at(0, 0) = f / (width / height);
    r.at(1, 1) = f;
    r.at(2, 2) = (far + n) / (n - far);
    r.at(2, 3) = 2 * far * n / (n - far);
    r.at(3, 2) = -1;
    return r;
}

// The model-view matrix of the cube's front face for a given tilt.
inline Mat4 cubeModelView(double tiltX, double tiltY, double tiltZ = 0.0) {
    return translation(0, 0, -24) * rotation(tiltX, {1, 0, 0}) * rotation(tiltY, {0, 1, 0}) *
           rotation(tiltZ, {0, 0, 1});
}

// A point in cursor coordinates: origin top left, y downward.
struct ScreenPoint {
    double x = 0.0;
    double y = 0.0;
};

inline ScreenPoint toCursor(const Mat4& modelView, const Vec3& p, double width = 1024,
                            double height = 768) {
    const auto clip = (gamePerspective(width, height) * modelView).apply(p);
    const double nx = clip[0] / clip[3], ny = clip[1] / clip[3];
    return {(nx + 1) / 2 * width, height - (ny + 1) / 2 * height};
}

}  // namespace pelmora::testmath
