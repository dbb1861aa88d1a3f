// Shapes as signed distance functions: negative inside, positive outside, in pixels.
// Pictures are composed from these and filled with supersampled coverage.
#ifndef VORLEN_TOOLS_ART_SHAPES_H
#define VORLEN_TOOLS_ART_SHAPES_H

#include <functional>
#include <initializer_list>
#include <vector>

struct Point {
    double x, y;
};

// Distance from (x, y) to the shape's edge, negative inside. Exact or an underestimate, so
// that a pixel far from every edge can skip supersampling.
using Shape = std::function<double(double x, double y)>;

Shape circle(double cx, double cy, double r);
Shape ellipse(double cx, double cy, double rx, double ry);
Shape box(double x0, double y0, double x1, double y1, double radius = 0);
Shape polygon(std::vector<Point> points);
Shape capsule(double ax, double ay, double bx, double by, double r);
Shape ring(double cx, double cy, double r_outer, double r_inner);
Shape unite(std::initializer_list<Shape> parts);
Shape subtract(Shape from, Shape cut);
Shape intersect(Shape a, Shape b);
Shape grow(Shape s, double d);
Shape place(Shape s, double x, double y, double scale);

#endif
