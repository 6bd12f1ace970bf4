#include "figures.h"

#include "geometry.h"
#include "sketch.h"

#include <QColor>
#include <QSize>

#include <cmath>
#include <numbers>

// Each figure is built from the data of its question: the given angles fix
// the shape, the asked angle is measured on the construction and must come
// out as the answer key, and only then is it drawn to scale.
namespace {

using Geo::along;
using Geo::apex;
using Geo::direction;
using Geo::meet;
using Geo::outward;

QString degrees(int value)
{
    return QString::number(value) + QChar(0x00B0);
}

const QString kAlpha = QStringLiteral("α");

// Question 0: AC = BC = AM and CM = MB.
void drawIsoscelesWithPointM(Sketch &s)
{
    // With b the base angle, CM = MB gives the angle AMC = 2b as an exterior
    // angle, AM = AC gives ACM = 2b too, and b + 2b + 2b = 180°.
    const double base = 180.0 / 5.0;
    const QPointF A(0, 0);
    const QPointF B(1, 0);
    const QPointF C = apex(A, B, base, base);
    const QPointF M = along(A, 0.0, Geo::distance(A, C));
    Geo::expectEqual(QStringLiteral("q0 BC - AC"), Geo::distance(B, C), Geo::distance(A, C));
    Geo::expectEqual(QStringLiteral("q0 CM - MB"), Geo::distance(C, M), Geo::distance(M, B));
    Geo::expectAngle(QStringLiteral("q0 ACB"), C, A, B, 108.0);

    s.fit({ A, B, C }, { 18, 22, 18, 22 });
    s.segment(A, B);
    s.segment(B, C);
    s.segment(C, A);
    s.segment(C, M);
    s.dot(M);
    s.ticks(A, C, 1);
    s.ticks(B, C, 1);
    s.ticks(A, M, 1);
    s.ticks(C, M, 2);
    s.ticks(M, B, 2);
    s.pointLabel(QStringLiteral("A"), A, outward(A, B, C));
    s.pointLabel(QStringLiteral("B"), B, outward(B, A, C));
    s.pointLabel(QStringLiteral("C"), C, 90);
    s.pointLabel(QStringLiteral("M"), M, 270);
}

// A triangle on base AB with the bisectors from A and from B: their feet on
// the opposite sides and the point where they meet.
struct BisectedTriangle
{
    QPointF A;
    QPointF B;
    QPointF C;
    QPointF footFromA;
    QPointF footFromB;
    QPointF meeting;
};

BisectedTriangle bisectedTriangle(double angleA, double angleB)
{
    BisectedTriangle t;
    t.A = QPointF(0, 0);
    t.B = QPointF(1, 0);
    t.C = apex(t.A, t.B, angleA, angleB);
    t.footFromA = meet(t.A, angleA / 2, t.B, direction(t.B, t.C));
    t.footFromB = meet(t.B, 180.0 - angleB / 2, t.A, direction(t.A, t.C));
    t.meeting = meet(t.A, angleA / 2, t.B, 180.0 - angleB / 2);
    return t;
}

// Question 1: the bisectors AM and BN meet at L; the angle ACB is 70°.
void drawBisectorsMeetingAtL(Sketch &s)
{
    // Only the 70° at C is given; 60° and 50° at A and B leave room for the
    // half-angle marks.
    const double angleA = 60.0;
    const double angleB = 50.0;
    const auto [A, B, C, M, N, L] = bisectedTriangle(angleA, angleB);
    Geo::expectAngle(QStringLiteral("q1 ACB"), C, A, B, 70.0);
    Geo::expectAngle(QStringLiteral("q1 MLB"), L, M, B, 55.0);

    s.fit({ A, B, C }, { 18, 20, 18, 20 });
    s.segment(A, B);
    s.segment(B, C);
    s.segment(C, A);
    s.segment(A, M);
    s.segment(B, N);
    s.dot(M);
    s.dot(N);
    s.dot(L);
    s.angleArc(A, B, M, 20);
    s.angleArc(A, M, C, 20);
    s.angleArc(B, A, N, 16, 2);
    s.angleArc(B, N, C, 16, 2);
    s.angleArc(C, A, B, 11);
    s.pointLabel(QStringLiteral("A"), A, outward(A, B, C));
    s.pointLabel(QStringLiteral("B"), B, outward(B, A, C));
    s.pointLabel(QStringLiteral("C"), C, outward(C, A, B));
    s.pointLabel(QStringLiteral("M"), M, direction(B, C) - 90);
    s.pointLabel(QStringLiteral("N"), N, direction(C, A) - 90);
    s.pointLabel(QStringLiteral("L"), L, 90);
    s.angleLabel(QStringLiteral("a"), A, B, M, 27);
    s.angleLabel(QStringLiteral("a"), A, M, C, 27);
    s.angleLabel(QStringLiteral("b"), B, A, N, 27);
    s.angleLabel(QStringLiteral("b"), B, N, C, 27);
    s.angleLabel(degrees(70), C, A, B, 18);
}

// Question 2: x at A, 3x+20° at C, 4x+17° at B.
void drawTriangleWithX(Sketch &s)
{
    // Taken as the exterior angle at B, 4x+17° would have to equal
    // x + (3x+20°), which no x does. Inside the triangle at B it gives
    // x + (3x+20°) + (4x+17°) = 180°, the equation the answer key solves.
    const double x = (180.0 - 20.0 - 17.0) / 8.0;
    const QPointF A(0, 0);
    const QPointF C(1, 0);
    const QPointF B = apex(A, C, x, 3 * x + 20);
    Geo::expectAngle(QStringLiteral("q2 ABC"), B, A, C, 88.5);

    s.setAngleFontPixels(11);
    s.fit({ A, B, C }, { 16, 18, 16, 8 });
    s.segment(A, B);
    s.segment(B, C);
    s.segment(C, A);
    s.angleArc(A, C, B, 30);
    s.angleArc(C, B, A, 12);
    s.angleArc(B, A, C, 8);
    s.pointLabel(QStringLiteral("A"), A, 180);
    s.pointLabel(QStringLiteral("B"), B, 90);
    s.pointLabel(QStringLiteral("C"), C, 0);
    s.angleLabel(QStringLiteral("x"), A, C, B, 38);
    s.angleLabel(QStringLiteral("4x+17°"), B, A, C, 14);
    // Along the base, so that it cannot be read as the label of B.
    s.angleLabel(QStringLiteral("3x+20°"), C, B, A, 18, 0.85);
}

// Question 3: n ⟂ k, and m through their crossing O.
void drawThreeLinesThroughO(Sketch &s)
{
    // m splits one right angle between n and k into 2α and α/2; x is the
    // angle vertical to 2α. So 2α + α/2 = 90°, α = 36° and x = 72°.
    const double alpha = 90.0 / 2.5;
    const QPointF O(0, 0);
    const QPointF kRight(1, 0);
    const QPointF kLeft(-1, 0);
    const QPointF nUp(0, 1);
    const QPointF mUp = Geo::unit(2 * alpha);
    const QPointF mDown = Geo::unit(2 * alpha + 180);
    Geo::expectAngle(QStringLiteral("q3 α/2"), O, mUp, nUp, alpha / 2);
    Geo::expectAngle(QStringLiteral("q3 x"), O, kLeft, mDown, 72.0);

    // O sits low and left, so that the narrow α/2 opening has room for its label.
    s.fit({ QPointF(-46, -28), QPointF(85, 106) }, { 0, 0, 0, 0 });
    s.line(O, kRight);
    s.line(O, nUp);
    s.line(O, mUp);
    s.dot(O);
    s.rightAngle(O, nUp, kLeft, 7);
    s.angleArc(O, kRight, mUp, 15);
    s.angleArc(O, mUp, nUp, 56);
    s.angleArc(O, kLeft, mDown, 10);
    s.pointLabel(QStringLiteral("O"), O, 315);
    s.pointLabel(QStringLiteral("m"), along(O, 2 * alpha, 96), 2 * alpha - 90);
    s.pointLabel(QStringLiteral("n"), QPointF(0, 94), 180);
    s.pointLabel(QStringLiteral("k"), QPointF(76, 0), 270);
    s.angleLabel(QStringLiteral("2") + kAlpha, O, kRight, mUp, 24);
    s.angleLabel(kAlpha + QStringLiteral("/2"), O, mUp, nUp, 64);
    s.angleLabel(QStringLiteral("x"), O, kLeft, mDown, 15);
}

// Question 4: angles 60° at B and 70° at C, the bisector BL.
void drawBisectorBL(Sketch &s)
{
    const double angleB = 60.0;
    const double angleC = 70.0;
    const QPointF A(0, 0);
    const QPointF B(1, 0);
    const QPointF C = apex(A, B, 180.0 - angleB - angleC, angleB);
    const QPointF L = meet(B, 180.0 - angleB / 2, A, direction(A, C));
    Geo::expectAngle(QStringLiteral("q4 ACB"), C, A, B, angleC);
    Geo::expectTrue(QStringLiteral("q4 AL < AB"), Geo::distance(A, L) < Geo::distance(A, B));
    Geo::expectTrue(QStringLiteral("q4 BL < BC"), Geo::distance(B, L) < Geo::distance(B, C));
    Geo::expectTrue(QStringLiteral("q4 BL > AL"), Geo::distance(B, L) > Geo::distance(A, L));
    Geo::expectTrue(QStringLiteral("q4 AB > BL"), Geo::distance(A, B) > Geo::distance(B, L));

    s.fit({ A, B, C }, { 18, 20, 18, 18 });
    s.segment(A, B);
    s.segment(B, C);
    s.segment(C, A);
    s.segment(B, L);
    s.dot(L);
    s.angleArc(C, A, B, 12);
    s.angleArc(B, A, L, 20);
    s.angleArc(B, L, C, 20);
    s.pointLabel(QStringLiteral("A"), A, outward(A, B, C));
    s.pointLabel(QStringLiteral("B"), B, outward(B, A, C));
    s.pointLabel(QStringLiteral("C"), C, outward(C, A, B));
    s.pointLabel(QStringLiteral("L"), L, direction(C, A) - 90);
    s.angleLabel(degrees(70), C, A, B, 20);
    s.angleLabel(degrees(30), B, A, L, 30);
    s.angleLabel(degrees(30), B, L, C, 30);
}

// Question 5: right angle at C, the altitude CH and the bisector CL, AB = 2*AC.
void drawAltitudeAndBisectorFromC(Sketch &s)
{
    const double ac = 1.0;
    const double ab = 2.0 * ac;
    const double angleA = std::acos(ac / ab) * 180.0 / std::numbers::pi;
    const QPointF A(0, 0);
    const QPointF B(ab, 0);
    const QPointF C = along(A, angleA, ac);
    const QPointF H = meet(C, 270.0, A, 0.0);
    const QPointF L = meet(C, Geo::bisector(C, A, B), A, 0.0);
    Geo::expectAngle(QStringLiteral("q5 ACB"), C, A, B, 90.0);
    Geo::expectAngle(QStringLiteral("q5 ABC"), B, A, C, 30.0);
    Geo::expectAngle(QStringLiteral("q5 HCL"), C, H, L, 15.0);

    s.fit({ A, B, C }, { 18, 22, 18, 20 });
    s.segment(A, B);
    s.segment(B, C);
    s.segment(C, A);
    s.segment(C, H);
    s.segment(C, L);
    s.dot(H);
    s.dot(L);
    s.rightAngle(C, A, B, 7);
    s.rightAngle(H, A, C, 6);
    s.angleArc(C, A, L, 22, 2);
    s.angleArc(C, L, B, 22, 2);
    s.pointLabel(QStringLiteral("A"), A, outward(A, B, C));
    s.pointLabel(QStringLiteral("B"), B, outward(B, A, C));
    s.pointLabel(QStringLiteral("C"), C, 90);
    s.pointLabel(QStringLiteral("H"), H, 270);
    s.pointLabel(QStringLiteral("L"), L, 270);
    s.note(QStringLiteral("AB=2*AC"), QPointF(160, 24));
}

// Question 6: right angle at C, the bisectors AN and BK meet at L.
void drawRightTriangleBisectors(Sketch &s)
{
    // Any acute angle at A will do; 36° leaves room for both pairs of marks.
    const double angleA = 36.0;
    const double angleB = 90.0 - angleA;
    const auto [A, B, C, N, K, L] = bisectedTriangle(angleA, angleB);
    Geo::expectAngle(QStringLiteral("q6 ACB"), C, A, B, 90.0);
    Geo::expectAngle(QStringLiteral("q6 ALB"), L, A, B, 135.0);

    s.fit({ A, B, C }, { 18, 18, 18, 8 });
    s.segment(A, B);
    s.segment(B, C);
    s.segment(C, A);
    s.segment(A, N);
    s.segment(B, K);
    s.dot(N);
    s.dot(K);
    s.dot(L);
    s.rightAngle(C, A, B, 7);
    s.angleArc(A, B, N, 26);
    s.angleArc(A, N, C, 26);
    s.angleArc(B, A, K, 15, 2);
    s.angleArc(B, K, C, 15, 2);
    s.pointLabel(QStringLiteral("A"), A, 180);
    s.pointLabel(QStringLiteral("B"), B, 0);
    s.pointLabel(QStringLiteral("C"), C, 90);
    s.pointLabel(QStringLiteral("N"), N, direction(B, C) - 90);
    s.pointLabel(QStringLiteral("K"), K, direction(C, A) - 90);
    s.pointLabel(QStringLiteral("L"), L, 270);
}

// Question 7: two parallel lines cut by a third, eight numbered angles.
void drawParallelsAndTransversal(Sketch &s)
{
    // Both crossings are numbered in the same places (1 upper left, 2 upper
    // right, 3 lower right, 4 lower left; 5 to 8 likewise), which makes the
    // corresponding pairs 1-5, 2-6, 3-7 and 4-8, as the key says.
    const double slant = 62.0;
    const QPointF lower(0, 0);
    const QPointF upper = meet(lower, slant, QPointF(0, 1), 0.0);
    const QColor colours[8] = { QColor(0xc6, 0x28, 0x28), QColor(0x15, 0x65, 0xc0), QColor(0x2e, 0x7d, 0x32),
        QColor(0xd8, 0x6a, 0x00), QColor(0x7b, 0x1f, 0xa2), QColor(0x8d, 0x4e, 0x2a),
        QColor(0xc2, 0x18, 0x5b), QColor(0x00, 0x79, 0x7b) };

    const double pixelsPerUnit = 56.0;
    const QPointF middle = (upper + lower) / 2.0;
    const QPointF half(217.0 / 2 / pixelsPerUnit, 142.0 / 2 / pixelsPerUnit);
    s.fit({ middle - half, middle + half }, { 0, 0, 0, 0 });
    s.setAngleFontPixels(13);
    s.line(lower, lower + QPointF(1, 0));
    s.line(upper, upper + QPointF(1, 0));
    s.line(lower, upper);
    s.dot(lower);
    s.dot(upper);
    const QPointF crossings[2] = { upper, lower };
    for (int c = 0; c < 2; ++c) {
        const QPointF x = crossings[c];
        const QPointF right = x + QPointF(1, 0);
        const QPointF left = x - QPointF(1, 0);
        const QPointF up = along(x, slant, 1);
        const QPointF down = along(x, slant + 180, 1);
        const QPointF arms[4][2] = { { up, left }, { right, up }, { right, down }, { left, down } };
        for (int k = 0; k < 4; ++k)
            s.angleArc(x, arms[k][0], arms[k][1], 10, 1, 0, colours[4 * c + k]);
    }
    for (int c = 0; c < 2; ++c) {
        const QPointF x = crossings[c];
        const QPointF right = x + QPointF(1, 0);
        const QPointF left = x - QPointF(1, 0);
        const QPointF up = along(x, slant, 1);
        const QPointF down = along(x, slant + 180, 1);
        const QPointF arms[4][2] = { { up, left }, { right, up }, { right, down }, { left, down } };
        for (int k = 0; k < 4; ++k)
            s.angleLabel(
                QString::number(4 * c + k + 1), x, arms[k][0], arms[k][1], 17, 0.5, colours[4 * c + k]);
    }
}

// Question 8: B, C on the arms of the angle LAM, the angles BCL and MCL equal.
void drawAngleLAM(Sketch &s)
{
    // B lies between A and L and C between A and M, and the 56° is the angle
    // ABC between BA and BC: the reading under which the data fix the figure.
    // It is built from the data alone, and the angle LAM is then measured.
    const QPointF B(0, 0);
    const QPointF C = along(B, 180.0 - 56.0, 1.0);
    const QPointF L = meet(B, 0.0, C, 180.0 - 17.0);
    const double toM = 2 * direction(C, L) - direction(C, B);
    const QPointF A = meet(B, 180.0, C, toM);
    const QPointF M = along(A, toM, 1.55 * Geo::distance(A, C));
    Geo::expectTrue(QStringLiteral("q8 A-B-L"), A.x() < B.x() && B.x() < L.x());
    Geo::expectAngle(QStringLiteral("q8 BCL = LCM"), C, B, L, Geo::angleAt(C, L, M));
    Geo::expectAngle(QStringLiteral("q8 LAM"), A, L, M, 22.0);

    s.fit({ A, L, M }, { 16, 18, 18, 18 });
    s.ray(A, L, 12);
    s.ray(A, M, 12);
    s.segment(B, C);
    s.segment(C, L);
    s.dot(B);
    s.dot(C);
    s.dot(L);
    s.dot(M);
    s.angleArc(B, A, C, 13);
    s.angleArc(L, A, C, 34);
    s.angleArc(C, B, L, 13, 1, 1);
    s.angleArc(C, L, M, 13, 1, 1);
    s.pointLabel(QStringLiteral("A"), A, 180);
    s.pointLabel(QStringLiteral("B"), B, 270);
    s.pointLabel(QStringLiteral("L"), L, 270);
    s.pointLabel(QStringLiteral("C"), C, direction(A, M) + 90);
    s.pointLabel(QStringLiteral("M"), M, direction(A, M) + 90);
    s.angleLabel(degrees(56), B, A, C, 20);
    s.angleLabel(degrees(17), L, A, C, 44);
}

// Question 9: the straight angle COA and a ray from O.
void drawStraightAngleCOA(Sketch &s)
{
    const double alpha = (180.0 - 70.0) / 2.0;
    const QPointF O(0, 0);
    const QPointF A(1, 0);
    const QPointF C(-1, 0);
    const QPointF R = Geo::unit(alpha);
    Geo::expectAngle(QStringLiteral("q9 α+70°"), O, R, C, alpha + 70.0);

    s.fit({ C, A, QPointF(0, 0.85) }, { 18, 10, 18, 20 });
    s.segment(C, A);
    s.segment(O, R);
    s.dot(O);
    s.angleArc(O, A, R, 16);
    s.angleArc(O, R, C, 22);
    s.pointLabel(QStringLiteral("C"), C, 270);
    s.pointLabel(QStringLiteral("O"), O, 270);
    s.pointLabel(QStringLiteral("A"), A, 270);
    s.angleLabel(kAlpha, O, A, R, 24);
    s.angleLabel(kAlpha + QStringLiteral("+70°"), O, R, C, 34);
}

// Questions 10 and 17: D on AC, E on AB, DE || BC.
void drawParallelInTriangle(Sketch &s)
{
    // The 45° at E is the angle DEC between ED and EC. Then the angle ECB
    // equals DEC as alternate angles and ACB = 45° + 45° = 90°, which is what
    // both keys need. Built from the data: 60° at A, 45° at C, 45° at E and
    // BC drawn through C parallel to DE. AC stands upright, so that the two
    // 45° labels sit in opposite corners of the triangle DEC.
    const QPointF A(0, 0);
    const QPointF C = along(A, 270.0, 1.0);
    const QPointF E = meet(A, 330.0, C, direction(C, A) - 45.0);
    const QPointF D = meet(A, 270.0, E, direction(E, C) - 45.0);
    const QPointF B = meet(A, 330.0, C, direction(D, E));
    Geo::expectAngle(QStringLiteral("q10 BAC"), A, B, C, 60.0);
    Geo::expectAngle(QStringLiteral("q10 DEC"), E, D, C, 45.0);
    Geo::expectAngle(QStringLiteral("q10 ACE"), C, A, E, 45.0);
    Geo::expectTrue(QStringLiteral("q10 D on AC, E on AB"),
        D.y() < A.y() && D.y() > C.y() && E.x() > A.x() && E.x() < B.x());
    Geo::expectAngle(QStringLiteral("q10 ACB"), C, A, B, 90.0);
    Geo::expectAngle(QStringLiteral("q10 ABC"), B, A, C, 30.0);

    s.fit({ A, B, C }, { 18, 8, 18, 8 });
    s.segment(A, B);
    s.segment(B, C);
    s.segment(C, A);
    s.segment(D, E);
    s.segment(C, E);
    s.dot(D);
    s.dot(E);
    s.angleArc(A, B, C, 14);
    s.angleArc(C, A, E, 14);
    s.angleArc(E, D, C, 14);
    s.pointLabel(QStringLiteral("A"), A, 180);
    s.pointLabel(QStringLiteral("B"), B, 0);
    s.pointLabel(QStringLiteral("C"), C, 180);
    s.pointLabel(QStringLiteral("D"), D, 180);
    s.pointLabel(QStringLiteral("E"), E, 60);
    s.angleLabel(degrees(60), A, B, C, 24);
    s.angleLabel(degrees(45), C, A, E, 24);
    s.angleLabel(degrees(45), E, D, C, 24);
}

// Question 11: three lines through one point; 55°, 45° and α.
void drawThreeLinesAlpha(Sketch &s)
{
    // 55°, 45° and the third angle beside 45° fill a straight angle, and α is
    // the angle vertical to that third one: α = 180° - 55° - 45° = 80°.
    const double turn = 102.5; // the 45° opening faces the wide side
    const QPointF O(0, 0);
    const QPointF r1 = Geo::unit(turn);
    const QPointF r2 = Geo::unit(turn + 55);
    const QPointF r3 = Geo::unit(turn + 100);
    Geo::expectAngle(QStringLiteral("q11 third"), O, r3, -r1, 80.0);
    Geo::expectAngle(QStringLiteral("q11 α"), O, -r3, r1, 80.0);

    s.fit({ QPointF(-56, -47.5), QPointF(56, 47.5) }, { 0, 0, 0, 0 });
    s.line(O, r1);
    s.line(O, r2);
    s.line(O, r3);
    s.dot(O);
    s.angleArc(O, r1, r2, 13);
    s.angleArc(O, r2, r3, 17);
    s.angleArc(O, -r3, r1, 9);
    s.angleLabel(degrees(55), O, r1, r2, 20);
    s.angleLabel(degrees(45), O, r2, r3, 22);
    s.angleLabel(kAlpha, O, -r3, r1, 18);
}

// Question 12: the exterior angles 140° and 100° on the base line, x at the top.
void drawExteriorAngles(Sketch &s)
{
    const QPointF P(0, 0);
    const QPointF Q(1, 0);
    const QPointF T = apex(P, Q, 180.0 - 140.0, 180.0 - 100.0);
    const QPointF leftEnd(-0.5, 0);
    const QPointF rightEnd(1.5, 0);
    Geo::expectAngle(QStringLiteral("q12 x"), T, P, Q, 60.0);

    s.fit({ leftEnd, rightEnd, T }, { 4, 8, 4, 8 });
    s.segment(leftEnd, rightEnd);
    s.segment(P, T);
    s.segment(Q, T);
    s.angleArc(P, T, leftEnd, 11);
    s.angleArc(Q, rightEnd, T, 11);
    s.angleArc(T, P, Q, 11);
    s.angleLabel(degrees(140), P, T, leftEnd, 20);
    s.angleLabel(degrees(100), Q, rightEnd, T, 20);
    s.angleLabel(QStringLiteral("x"), T, P, Q, 18);
}

// Question 13: the congruent triangles ABC and PMN.
void drawCongruentTriangles(Sketch &s)
{
    const double angleB = 65.0;
    const double angleC = 55.0;
    const QPointF A(0, 0);
    const QPointF B(1, 0);
    const QPointF C = apex(A, B, 180.0 - angleB - angleC, angleB);
    // PMN is ABC turned over: P for C, M for B, N for A. P has the 55°, and
    // PM < NP leaves M the larger of the other two angles.
    const double gap = 0.5;
    const QPointF M(B.x() + gap, 0);
    const QPointF N(M.x() + 1, 0);
    const QPointF P(M.x() + (B.x() - C.x()), C.y());
    Geo::expectAngle(QStringLiteral("q13 ACB"), C, A, B, angleC);
    Geo::expectAngle(QStringLiteral("q13 MPN"), P, M, N, angleC);
    Geo::expectTrue(QStringLiteral("q13 PM < NP"), Geo::distance(P, M) < Geo::distance(N, P));
    Geo::expectAngle(QStringLiteral("q13 NMP"), M, N, P, 65.0);

    s.fit({ A, B, C, M, N, P }, { 18, 20, 18, 20 });
    s.segment(A, B);
    s.segment(B, C);
    s.segment(C, A);
    s.segment(M, N);
    s.segment(N, P);
    s.segment(P, M);
    s.angleArc(C, A, B, 12);
    s.angleArc(B, C, A, 12);
    s.angleArc(P, M, N, 12);
    s.pointLabel(QStringLiteral("A"), A, outward(A, B, C));
    s.pointLabel(QStringLiteral("B"), B, outward(B, A, C));
    s.pointLabel(QStringLiteral("C"), C, outward(C, A, B));
    s.pointLabel(QStringLiteral("M"), M, outward(M, N, P));
    s.pointLabel(QStringLiteral("N"), N, outward(N, M, P));
    s.pointLabel(QStringLiteral("P"), P, outward(P, M, N));
    s.angleLabel(degrees(55), C, A, B, 22);
    s.angleLabel(degrees(65), B, C, A, 22);
    s.angleLabel(degrees(55), P, M, N, 22);
}

// Question 14: the 20° at A and the broken line B-C-D-E-F of equal links.
void drawZigzagInTwentyDegrees(Sketch &s)
{
    // Each point is the next one along its arm at one link from the last.
    const double angleA = 20.0;
    const QPointF A(0, 0);
    const QPointF B = along(A, 0.0, 1.0);
    const QPointF C = Geo::onRayAtDistance(A, angleA, B, 1.0);
    const QPointF D = Geo::onRayAtDistance(A, 0.0, C, 1.0);
    const QPointF E = Geo::onRayAtDistance(A, angleA, D, 1.0);
    const QPointF F = Geo::onRayAtDistance(A, 0.0, E, 1.0);
    Geo::expectTrue(QStringLiteral("q14 order"),
        B.x() < D.x() && D.x() < F.x() && Geo::distance(A, C) < Geo::distance(A, E));
    Geo::expectAngle(QStringLiteral("q14 AEF"), E, A, F, 80.0);

    s.setAngleFontPixels(11);
    s.fit({ A, F, E }, { 12, 13, 4, 13 });
    s.ray(A, F, 5);
    s.ray(A, E, 5);
    s.segment(B, C);
    s.segment(C, D);
    s.segment(D, E);
    s.segment(E, F);
    for (const QPointF &p : { B, C, D, E, F })
        s.dot(p);
    s.ticks(A, B, 1);
    s.ticks(B, C, 1);
    s.ticks(C, D, 1);
    s.ticks(D, E, 1);
    s.ticks(E, F, 1);
    s.angleArc(A, B, C, 16);
    s.pointLabel(QStringLiteral("A"), A, 180);
    s.pointLabel(QStringLiteral("B"), B, 270);
    s.pointLabel(QStringLiteral("D"), D, 270);
    s.pointLabel(QStringLiteral("F"), F, 270);
    s.pointLabel(QStringLiteral("C"), C, angleA + 90);
    s.pointLabel(QStringLiteral("E"), E, angleA + 90);
    // The opening is narrow: the label sits past the tick of AB, before B.
    s.angleLabel(degrees(20), A, B, C, 40);
}

// Question 15: the bisector BD, 52° at A, 28° at B, γ at C.
void drawBisectorBD(Sketch &s)
{
    // The 28° marks the half ABD of the angle ABC; the bisector BD makes the
    // other half DBC as large, so ABC = 56° and the answer key 72° follows.
    const double half = 28.0;
    const QPointF A(0, 0);
    const QPointF B = along(A, 52.0, 1.0);
    const double toA = direction(B, A);
    const QPointF C = meet(A, 0.0, B, toA + 2 * half);
    const QPointF D = meet(A, 0.0, B, toA + half);
    Geo::expectAngle(QStringLiteral("q15 BAC"), A, B, C, 52.0);
    Geo::expectAngle(QStringLiteral("q15 ACB"), C, A, B, 72.0);

    s.fit({ A, B, C }, { 18, 20, 18, 20 });
    s.segment(A, B);
    s.segment(B, C);
    s.segment(C, A);
    s.segment(B, D);
    s.dot(D);
    s.angleArc(A, C, B, 13);
    s.angleArc(B, A, D, 24, 1, 1);
    s.angleArc(B, D, C, 24, 1, 1);
    s.angleArc(C, B, A, 12);
    s.pointLabel(QStringLiteral("A"), A, outward(A, B, C));
    s.pointLabel(QStringLiteral("B"), B, 90);
    s.pointLabel(QStringLiteral("C"), C, outward(C, A, B));
    s.pointLabel(QStringLiteral("D"), D, 270);
    s.angleLabel(degrees(52), A, C, B, 22);
    s.angleLabel(degrees(28), B, A, D, 34);
    s.angleLabel(QStringLiteral("γ"), C, B, A, 20);
}

// Question 16: two crossing lines a and b, the crossing circled.
void drawTwoCrossingLines(Sketch &s)
{
    // The lines cross at 75°, the measure the answer key gives to the two
    // vertical angles, so the drawing agrees with the solution.
    const double crossing = 75.0;
    const QPointF O(0, 0);
    const QPointF a = Geo::unit(-20.0);
    const QPointF b = Geo::unit(-20.0 + crossing);
    Geo::expectAngle(QStringLiteral("q16 crossing"), O, a, b, crossing);

    s.fit({ QPointF(-85, -61.5), QPointF(85, 61.5) }, { 0, 0, 0, 0 });
    s.line(O, a);
    s.line(O, b);
    s.circle(O, 17);
    s.pointLabel(QStringLiteral("a"), along(O, -20.0, 72), -20.0 + 90);
    s.pointLabel(QStringLiteral("b"), along(O, -20.0 + crossing, 52), -20.0 + crossing - 90);
}

struct FigureSlot
{
    int slot;
    QSize size;
    void (*draw)(Sketch &);
};

const FigureSlot kSlots[] = {
    { 1, { 205, 136 }, drawIsoscelesWithPointM },
    { 2, { 172, 133 }, drawBisectorsMeetingAtL },
    { 3, { 190, 117 }, drawTriangleWithX },
    { 4, { 131, 134 }, drawThreeLinesThroughO },
    { 5, { 180, 134 }, drawBisectorBL },
    { 6, { 204, 134 }, drawAltitudeAndBisectorFromC },
    { 7, { 198, 103 }, drawRightTriangleBisectors },
    { 8, { 217, 142 }, drawParallelsAndTransversal },
    { 9, { 234, 102 }, drawAngleLAM },
    { 10, { 172, 103 }, drawStraightAngleCOA },
    { 11, { 226, 124 }, drawParallelInTriangle },
    { 12, { 112, 95 }, drawThreeLinesAlpha },
    { 13, { 153, 86 }, drawExteriorAngles },
    { 14, { 212, 131 }, drawCongruentTriangles },
    { 15, { 191, 90 }, drawZigzagInTwentyDegrees },
    { 16, { 196, 131 }, drawBisectorBD },
    { 17, { 170, 123 }, drawTwoCrossingLines },
    { 18, { 226, 126 }, drawParallelInTriangle },
};

} // namespace

std::vector<BankFigure> drawBankFigures()
{
    std::vector<BankFigure> figures;
    for (const FigureSlot &slot : kSlots) {
        Sketch sketch(QStringLiteral("figure %1").arg(slot.slot), slot.size);
        slot.draw(sketch);
        figures.push_back({ slot.slot, sketch.finish(), sketch.problems() });
    }
    return figures;
}
