#pragma once

#include <QPointF>
#include <QString>

// Plane geometry for the figures. Points are in model units with the y axis
// pointing up, and directions are in degrees counter-clockwise from the
// positive x axis, as in a school exercise book.
namespace Geo {

// The unit vector of a direction.
QPointF unit(double degrees);

// The point at distance `length` from `from` in direction `degrees`.
QPointF along(QPointF from, double degrees, double length);

// The direction from one point to another, in [0, 360).
double direction(QPointF from, QPointF to);

// The point where the line through p in direction dp meets the line through q
// in direction dq. The lines must not be parallel.
QPointF meet(QPointF p, double dp, QPointF q, double dq);

// The apex of the triangle on base AB whose angles at A and B are given,
// on the left of the way from A to B.
QPointF apex(QPointF a, QPointF b, double angleA, double angleB);

// The point of segment PQ at fraction t of the way from P.
QPointF between(QPointF p, QPointF q, double t);

double distance(QPointF p, QPointF q);

// The signed turn from one direction to another, the short way round, in
// (-180, 180].
double turn(double from, double to);

// The direction of the bisector of the angle PVQ, and the opposite one, where
// a letter of the vertex V sits clear of both arms.
double bisector(QPointF v, QPointF p, QPointF q);
double outward(QPointF v, QPointF p, QPointF q);

// The point on the ray from `from` in direction `degrees` at distance
// `length` from p, the farther one when there are two.
QPointF onRayAtDistance(QPointF from, double degrees, QPointF p, double length);

// The angle PVQ, from 0 to 180 degrees.
double angleAt(QPointF v, QPointF p, QPointF q);

// Aborts the generator when a constructed angle is not the one the data
// give, so that a wrong construction can never reach a picture.
void expectAngle(const QString &what, QPointF v, QPointF p, QPointF q, double degrees);
void expectEqual(const QString &what, double actual, double expected);
void expectTrue(const QString &what, bool holds);

} // namespace Geo
