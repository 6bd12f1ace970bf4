#include "sketch.h"

#include "geometry.h"

#include <QFontMetricsF>

#include <algorithm>
#include <cmath>

namespace {

constexpr double kLineWidth = 1.5;
constexpr double kMarkWidth = 1.3;
constexpr double kDotRadius = 2.0;
// The white a label keeps to lines, and the wider gap between two labels,
// so that two letters never read as one name.
constexpr double kClearance = 2.0;
constexpr double kLabelGap = 4.0;
constexpr int kLetterPixels = 13;
constexpr int kAngleFontPixels = 12;

QFont labelFont(int pixels)
{
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(pixels);
    font.setStyleStrategy(QFont::PreferAntialias);
    return font;
}

// A model direction as a step in pixels (the picture's y axis points down).
QPointF pixelStep(double modelDegrees)
{
    const QPointF u = Geo::unit(modelDegrees);
    return { u.x(), -u.y() };
}

double modelDirection(QPointF fromPixel, QPointF toPixel)
{
    return Geo::direction({ fromPixel.x(), -fromPixel.y() }, { toPixel.x(), -toPixel.y() });
}

bool insideWedge(double from, double sweep, double degrees)
{
    constexpr double kSlack = 1e-9;
    double relative = std::fmod((sweep >= 0 ? degrees - from : from - degrees) + 720.0, 360.0);
    return relative <= std::fabs(sweep) + kSlack;
}

// Whether the segment AB reaches into the rectangle (Liang-Barsky).
bool touches(QPointF a, QPointF b, const QRectF &r)
{
    const double dx = b.x() - a.x();
    const double dy = b.y() - a.y();
    const double p[4] = { -dx, dx, -dy, dy };
    const double q[4] = { a.x() - r.left(), r.right() - a.x(), a.y() - r.top(), r.bottom() - a.y() };
    double t0 = 0.0;
    double t1 = 1.0;
    for (int i = 0; i < 4; ++i) {
        if (p[i] == 0.0) {
            if (q[i] < 0.0)
                return false;
            continue;
        }
        const double t = q[i] / p[i];
        if (p[i] < 0.0) {
            if (t > t1)
                return false;
            t0 = std::max(t0, t);
        } else {
            if (t < t0)
                return false;
            t1 = std::min(t1, t);
        }
    }
    return true;
}

double pointToRect(QPointF p, const QRectF &r)
{
    const double dx = std::max({ r.left() - p.x(), 0.0, p.x() - r.right() });
    const double dy = std::max({ r.top() - p.y(), 0.0, p.y() - r.bottom() });
    return std::hypot(dx, dy);
}

double pointToSegment(QPointF p, QPointF a, QPointF b)
{
    const QPointF ab = b - a;
    const double length2 = QPointF::dotProduct(ab, ab);
    const double t = length2 == 0.0 ? 0.0 : std::clamp(QPointF::dotProduct(p - a, ab) / length2, 0.0, 1.0);
    const QPointF nearest = a + ab * t;
    return std::hypot(p.x() - nearest.x(), p.y() - nearest.y());
}

// The true gap between a segment and a rectangle, round at the corners.
double segmentToRect(QPointF a, QPointF b, const QRectF &r)
{
    if (touches(a, b, r))
        return 0.0;
    double gap = std::min(pointToRect(a, r), pointToRect(b, r));
    for (const QPointF corner : { r.topLeft(), r.topRight(), r.bottomLeft(), r.bottomRight() })
        gap = std::min(gap, pointToSegment(corner, a, b));
    return gap;
}

// The part of the line through p with direction u that lies in the rectangle.
QLineF clipLine(QPointF p, QPointF u, const QRectF &r)
{
    constexpr double kFar = 1e4;
    const QPointF a = p - u * kFar;
    const QPointF b = p + u * kFar;
    const double dx = b.x() - a.x();
    const double dy = b.y() - a.y();
    const double pp[4] = { -dx, dx, -dy, dy };
    const double q[4] = { a.x() - r.left(), r.right() - a.x(), a.y() - r.top(), r.bottom() - a.y() };
    double t0 = 0.0;
    double t1 = 1.0;
    for (int i = 0; i < 4; ++i) {
        if (pp[i] == 0.0)
            continue;
        const double t = q[i] / pp[i];
        if (pp[i] < 0.0)
            t0 = std::max(t0, t);
        else
            t1 = std::min(t1, t);
    }
    return { a + (b - a) * t0, a + (b - a) * t1 };
}

} // namespace

Sketch::Sketch(const QString &name, QSize size)
    : m_name(name)
    , m_image(size, QImage::Format_RGB32)
    , m_letterFont(labelFont(kLetterPixels))
    , m_angleFont(labelFont(kAngleFontPixels))
{
    m_image.fill(Qt::white);
    m_painter.begin(&m_image);
    m_painter.setRenderHint(QPainter::Antialiasing);
    m_painter.setRenderHint(QPainter::TextAntialiasing);
}

void Sketch::fit(std::initializer_list<QPointF> points, Margins margins)
{
    double minX = points.begin()->x();
    double maxX = minX;
    double minY = points.begin()->y();
    double maxY = minY;
    for (const QPointF &p : points) {
        minX = std::min(minX, p.x());
        maxX = std::max(maxX, p.x());
        minY = std::min(minY, p.y());
        maxY = std::max(maxY, p.y());
    }
    const double width = m_image.width() - margins.left - margins.right;
    const double height = m_image.height() - margins.top - margins.bottom;
    const double spanX = std::max(maxX - minX, 1e-9);
    const double spanY = std::max(maxY - minY, 1e-9);
    m_scale = std::min(width / spanX, height / spanY);
    const double left = margins.left + (width - m_scale * spanX) / 2.0;
    const double top = margins.top + (height - m_scale * spanY) / 2.0;
    m_offset = { left - m_scale * minX, top + m_scale * maxY };
}

QPointF Sketch::toPixel(QPointF model) const
{
    return { m_offset.x() + m_scale * model.x(), m_offset.y() - m_scale * model.y() };
}

void Sketch::stroke(QLineF pixelLine, double width, QColor colour)
{
    m_painter.setPen(QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    m_painter.drawLine(pixelLine);
    m_ink.push_back({ pixelLine, width / 2.0 });
}

void Sketch::strokePolyline(const std::vector<QPointF> &pixels, double width, QColor colour)
{
    m_painter.setPen(QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    m_painter.setBrush(Qt::NoBrush);
    m_painter.drawPolyline(pixels.data(), static_cast<int>(pixels.size()));
    for (std::size_t i = 1; i < pixels.size(); ++i)
        m_ink.push_back({ QLineF(pixels[i - 1], pixels[i]), width / 2.0 });
}

void Sketch::segment(QPointF p, QPointF q, QColor colour)
{
    stroke(QLineF(toPixel(p), toPixel(q)), kLineWidth, colour);
}

void Sketch::line(QPointF p, QPointF q, QColor colour)
{
    const QPointF a = toPixel(p);
    const QPointF b = toPixel(q);
    const QPointF u = (b - a) / QLineF(a, b).length();
    stroke(clipLine(a, u, QRectF(QPointF(0, 0), QSizeF(m_image.size()))), kLineWidth, colour);
}

void Sketch::ray(QPointF p, QPointF q, double beyond)
{
    const QPointF a = toPixel(p);
    const QPointF b = toPixel(q);
    const QPointF u = (b - a) / QLineF(a, b).length();
    stroke(QLineF(a, b + u * beyond), kLineWidth, lineColour());
}

void Sketch::dot(QPointF p)
{
    const QPointF c = toPixel(p);
    m_painter.setPen(Qt::NoPen);
    m_painter.setBrush(lineColour());
    m_painter.drawEllipse(c, kDotRadius, kDotRadius);
    m_painter.setBrush(Qt::NoBrush);
    m_ink.push_back({ QLineF(c, c), kDotRadius });
}

void Sketch::circle(QPointF centre, double radius)
{
    const QPointF c = toPixel(centre);
    std::vector<QPointF> pixels;
    for (int degrees = 0; degrees <= 360; degrees += 5)
        pixels.push_back(c + pixelStep(degrees) * radius);
    strokePolyline(pixels, kMarkWidth, lineColour());
}

void Sketch::ticks(QPointF p, QPointF q, int count)
{
    constexpr double kHalfLength = 3.5;
    constexpr double kGap = 3.5;
    const QPointF a = toPixel(p);
    const QPointF b = toPixel(q);
    const QPointF u = (b - a) / QLineF(a, b).length();
    const QPointF n(-u.y(), u.x());
    const QPointF middle = (a + b) / 2.0;
    for (int i = 0; i < count; ++i) {
        const QPointF c = middle + u * ((i - (count - 1) / 2.0) * kGap);
        stroke(QLineF(c - n * kHalfLength, c + n * kHalfLength), kMarkWidth, lineColour());
    }
}

void Sketch::angleArc(QPointF v, QPointF p, QPointF q, double radius, int arcs, int strokes, QColor colour)
{
    constexpr double kArcGap = 3.0;
    constexpr double kStrokeOut = 3.0;
    const double from = Geo::direction(v, p);
    const double sweep = Geo::turn(from, Geo::direction(v, q));
    const QPointF c = toPixel(v);
    const int steps = std::max(4, static_cast<int>(std::ceil(std::fabs(sweep) / 3.0)));
    for (int k = 0; k < arcs; ++k) {
        const double r = radius + k * kArcGap;
        std::vector<QPointF> pixels;
        for (int i = 0; i <= steps; ++i)
            pixels.push_back(c + pixelStep(from + sweep * i / steps) * r);
        strokePolyline(pixels, kMarkWidth, colour);
    }
    for (int k = 0; k < strokes; ++k) {
        const double degrees = from + sweep * (k + 1) / (strokes + 1);
        const QPointF u = pixelStep(degrees);
        stroke(QLineF(c + u * (radius - kStrokeOut), c + u * (radius + (arcs - 1) * kArcGap + kStrokeOut)),
            kMarkWidth, colour);
    }
}

void Sketch::rightAngle(QPointF v, QPointF p, QPointF q, double size)
{
    const QPointF c = toPixel(v);
    const QPointF u = pixelStep(Geo::direction(v, p)) * size;
    const QPointF w = pixelStep(Geo::direction(v, q)) * size;
    strokePolyline({ c + u, c + u + w, c + w }, kMarkWidth, angleColour());
}

void Sketch::setAngleFontPixels(int pixels)
{
    m_angleFont = labelFont(pixels);
}

void Sketch::pointLabel(const QString &text, QPointF p, double preferred, QColor colour)
{
    const QRectF box = QFontMetricsF(m_letterFont).tightBoundingRect(text);
    const QPointF c = toPixel(p);
    std::vector<Candidate> candidates;
    for (double gap = 1.5; gap <= 12.0; gap += 0.5) {
        for (int k = -12; k <= 12; ++k) {
            const QPointF u = pixelStep(preferred + 15.0 * k);
            const double support = std::fabs(u.x()) * box.width() / 2 + std::fabs(u.y()) * box.height() / 2;
            candidates.push_back({ c + u * (gap + support), gap + 0.1 * std::abs(15 * k) });
        }
    }
    place(text, m_letterFont, std::move(candidates), colour, QStringLiteral("point %1").arg(text));
}

void Sketch::angleLabel(
    const QString &text, QPointF v, QPointF p, QPointF q, double minRadius, double towards, QColor colour)
{
    constexpr double kReach = 90.0;
    const double from = Geo::direction(v, p);
    const double sweep = Geo::turn(from, Geo::direction(v, q));
    const QPointF c = toPixel(v);
    const QPointF middle = QFontMetricsF(m_angleFont).tightBoundingRect(text).center();
    // Every whole-pixel position within reach: a narrow opening may have
    // room at one pixel and none at its neighbours.
    std::vector<Candidate> candidates;
    const double reach = minRadius + kReach;
    for (double y = std::floor(c.y() - reach); y <= c.y() + reach; y += 1.0) {
        for (double x = std::floor(c.x() - reach); x <= c.x() + reach; x += 1.0) {
            const QPointF centre = QPointF(x, y) + middle;
            const double r = QLineF(c, centre).length();
            if (r < minRadius || r > reach)
                continue;
            const double degrees = modelDirection(c, centre);
            if (!insideWedge(from, sweep, degrees))
                continue;
            const double f = std::fabs(Geo::turn(from, degrees)) / std::fabs(sweep);
            candidates.push_back({ centre, (r - minRadius) + 30.0 * std::fabs(f - towards) });
        }
    }
    place(text, m_angleFont, std::move(candidates), colour, QStringLiteral("angle %1").arg(text), c, from,
        sweep);
}

void Sketch::note(const QString &text, QPointF pixelCentre)
{
    std::vector<Candidate> candidates;
    for (double d = 0; d <= 30.0; d += 1.0)
        for (int degrees = 0; degrees < 360; degrees += 15)
            candidates.push_back({ pixelCentre + pixelStep(degrees) * d, d });
    place(text, m_angleFont, std::move(candidates), letterColour(), QStringLiteral("note %1").arg(text));
}

void Sketch::place(const QString &text, const QFont &font, std::vector<Candidate> candidates, QColor colour,
    const QString &what, QPointF wedgeVertex, double wedgeFrom, double wedgeSweep)
{
    const QRectF tight = QFontMetricsF(font).tightBoundingRect(text);
    std::stable_sort(candidates.begin(), candidates.end(),
        [](const Candidate &a, const Candidate &b) { return a.score < b.score; });
    const auto originFor = [&](QPointF centre) {
        const QPointF o = centre - tight.center();
        return QPointF(std::round(o.x()), std::round(o.y()));
    };
    for (const Candidate &candidate : candidates) {
        const QPointF origin = originFor(candidate.centre);
        const QRectF box = tight.translated(origin);
        if (wedgeSweep != 0.0) {
            const QPointF corners[4] = { box.topLeft(), box.topRight(), box.bottomLeft(), box.bottomRight() };
            const bool inside = std::all_of(std::begin(corners), std::end(corners), [&](QPointF corner) {
                return insideWedge(wedgeFrom, wedgeSweep, modelDirection(wedgeVertex, corner));
            });
            if (!inside)
                continue;
        }
        if (!isFree(box))
            continue;
        m_painter.setFont(font);
        m_painter.setPen(colour);
        m_painter.drawText(origin, text);
        m_labels.push_back(box);
        return;
    }
    m_problems << QStringLiteral("%1: no free place for the label of %2").arg(m_name, what);
    m_painter.setFont(font);
    m_painter.setPen(Qt::red);
    m_painter.drawText(originFor(candidates.front().centre), text);
}

bool Sketch::isFree(const QRectF &box) const
{
    if (box.left() < 1.0 || box.top() < 1.0 || box.right() > m_image.width() - 1.0
        || box.bottom() > m_image.height() - 1.0)
        return false;
    for (const Ink &ink : m_ink)
        if (segmentToRect(ink.line.p1(), ink.line.p2(), box) < kClearance + ink.halfWidth)
            return false;
    for (const QRectF &other : m_labels)
        if (box.adjusted(-kLabelGap, -kLabelGap, kLabelGap, kLabelGap).intersects(other))
            return false;
    return true;
}

QImage Sketch::finish()
{
    m_painter.end();
    return m_image;
}
