// The distance functions of the art's basic shapes and their combinations.
#include "tools/art/shapes.h"

#include <algorithm>
#include <cmath>
#include <utility>

// A circle of radius r around (cx, cy).
Shape circle(double cx, double cy, double r) {
    return [=](double x, double y) { return std::hypot(x - cx, y - cy) - r; };
}

// An axis-aligned ellipse; the distance is approximated by scaling to the unit circle and
// back by the smaller radius, which never overstates it by more than the radius ratio.
Shape ellipse(double cx, double cy, double rx, double ry) {
    double small = std::min(rx, ry);
    return [=](double x, double y) {
        double k = std::hypot((x - cx) / rx, (y - cy) / ry);
        return (k - 1.0) * small;
    };
}

// A rectangle from (x0, y0) to (x1, y1) in continuous coordinates, corners rounded by radius.
Shape box(double x0, double y0, double x1, double y1, double radius) {
    double cx = (x0 + x1) / 2, cy = (y0 + y1) / 2;
    double hx = (x1 - x0) / 2 - radius, hy = (y1 - y0) / 2 - radius;
    return [=](double x, double y) {
        double qx = std::fabs(x - cx) - hx, qy = std::fabs(y - cy) - hy;
        double outside = std::hypot(std::max(qx, 0.0), std::max(qy, 0.0));
        return outside + std::min(std::max(qx, qy), 0.0) - radius;
    };
}

// A simple polygon (either winding); the sign comes from the even-odd crossing rule.
Shape polygon(std::vector<Point> points) {
    return [pts = std::move(points)](double x, double y) {
        double best = 1e30;
        bool inside = false;
        size_t n = pts.size();
        for (size_t i = 0, j = n - 1; i < n; j = i++) {
            const Point &a = pts[j], &b = pts[i];
            double ex = b.x - a.x, ey = b.y - a.y;
            double t = ((x - a.x) * ex + (y - a.y) * ey) / (ex * ex + ey * ey);
            t = std::clamp(t, 0.0, 1.0);
            best = std::min(best, std::hypot(x - a.x - t * ex, y - a.y - t * ey));
            if ((a.y > y) != (b.y > y) && x < a.x + (y - a.y) * ex / ey) inside = !inside;
        }
        return inside ? -best : best;
    };
}

// A stroke of radius r from (ax, ay) to (bx, by) with round ends.
Shape capsule(double ax, double ay, double bx, double by, double r) {
    return [=](double x, double y) {
        double ex = bx - ax, ey = by - ay;
        double t = std::clamp(((x - ax) * ex + (y - ay) * ey) / (ex * ex + ey * ey), 0.0, 1.0);
        return std::hypot(x - ax - t * ex, y - ay - t * ey) - r;
    };
}

// The band between two concentric circles.
Shape ring(double cx, double cy, double r_outer, double r_inner) {
    return subtract(circle(cx, cy, r_outer), circle(cx, cy, r_inner));
}

// Everything inside any of the parts.
Shape unite(std::initializer_list<Shape> parts) {
    std::vector<Shape> all(parts);
    return [all](double x, double y) {
        double d = 1e30;
        for (const Shape &s : all) d = std::min(d, s(x, y));
        return d;
    };
}

// What is inside `from` and outside `cut`.
Shape subtract(Shape from, Shape cut) {
    return [=](double x, double y) { return std::max(from(x, y), -cut(x, y)); };
}

// What is inside both shapes.
Shape intersect(Shape a, Shape b) {
    return [=](double x, double y) { return std::max(a(x, y), b(x, y)); };
}

// The shape widened by d pixels on every side (narrowed when d is negative).
Shape grow(Shape s, double d) {
    return [=](double x, double y) { return s(x, y) - d; };
}

// The shape drawn `scale` times larger with its origin moved to (x, y).
Shape place(Shape s, double x, double y, double scale) {
    return [=](double px, double py) { return s((px - x) / scale, (py - y) / scale) * scale; };
}
