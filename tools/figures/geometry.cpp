#include "geometry.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <numbers>

namespace Geo {

namespace {

constexpr double kRadian = std::numbers::pi / 180.0;
// Far below what a pupil could measure, far above rounding noise.
constexpr double kTolerance = 1e-6;

} // namespace

QPointF unit(double degrees)
{
    return { std::cos(degrees * kRadian), std::sin(degrees * kRadian) };
}

QPointF along(QPointF from, double degrees, double length)
{
    return from + unit(degrees) * length;
}

double direction(QPointF from, QPointF to)
{
    const double degrees = std::atan2(to.y() - from.y(), to.x() - from.x()) / kRadian;
    return degrees < 0 ? degrees + 360.0 : degrees;
}

QPointF meet(QPointF p, double dp, QPointF q, double dq)
{
    const QPointF u = unit(dp);
    const QPointF v = unit(dq);
    const double cross = u.x() * v.y() - u.y() * v.x();
    const QPointF w = q - p;
    const double t = (w.x() * v.y() - w.y() * v.x()) / cross;
    return p + u * t;
}

QPointF apex(QPointF a, QPointF b, double angleA, double angleB)
{
    const double base = direction(a, b);
    return meet(a, base + angleA, b, base + 180.0 - angleB);
}

QPointF between(QPointF p, QPointF q, double t)
{
    return p + (q - p) * t;
}

double distance(QPointF p, QPointF q)
{
    return std::hypot(q.x() - p.x(), q.y() - p.y());
}

double turn(double from, double to)
{
    double sweep = std::fmod(to - from, 360.0);
    if (sweep > 180.0)
        sweep -= 360.0;
    if (sweep <= -180.0)
        sweep += 360.0;
    return sweep;
}

double bisector(QPointF v, QPointF p, QPointF q)
{
    const double from = direction(v, p);
    return from + turn(from, direction(v, q)) / 2.0;
}

double outward(QPointF v, QPointF p, QPointF q)
{
    return bisector(v, p, q) + 180.0;
}

QPointF onRayAtDistance(QPointF from, double degrees, QPointF p, double length)
{
    // |from + t u - p| = length, a quadratic in t; the larger root is farther.
    const QPointF u = unit(degrees);
    const QPointF w = from - p;
    const double b = w.x() * u.x() + w.y() * u.y();
    const double c = w.x() * w.x() + w.y() * w.y() - length * length;
    return from + u * (-b + std::sqrt(b * b - c));
}

double angleAt(QPointF v, QPointF p, QPointF q)
{
    double degrees = std::fabs(direction(v, p) - direction(v, q));
    if (degrees > 180.0)
        degrees = 360.0 - degrees;
    return degrees;
}

void expectAngle(const QString &what, QPointF v, QPointF p, QPointF q, double degrees)
{
    expectEqual(what, angleAt(v, p, q), degrees);
}

void expectEqual(const QString &what, double actual, double expected)
{
    if (std::fabs(actual - expected) > kTolerance * std::max(1.0, std::fabs(expected))) {
        std::fprintf(stderr, "velt-figures: %s is %.6f, not %.6f\n", qPrintable(what), actual, expected);
        std::exit(1);
    }
}

void expectTrue(const QString &what, bool holds)
{
    if (!holds) {
        std::fprintf(stderr, "velt-figures: %s does not hold\n", qPrintable(what));
        std::exit(1);
    }
}

} // namespace Geo
