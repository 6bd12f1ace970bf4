#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QLineF>
#include <QPainter>
#include <QPointF>
#include <QRectF>
#include <QSize>
#include <QString>
#include <QStringList>

#include <initializer_list>
#include <vector>

// Free room, in pixels, that a figure keeps between its drawing and each edge
// of the picture, for the letters outside the drawing.
struct Margins
{
    double left;
    double top;
    double right;
    double bottom;
};

// One picture of the bank. Geometry comes in model units (y up); one uniform
// scale maps it to pixels, so every angle keeps its measure. Everything drawn
// is remembered, and each label is put at the nearest place where it keeps
// clear of every line and every other label: the figure box shows pictures at
// natural size, so a crowded label cannot be rescued by zooming.
class Sketch
{
public:
    Sketch(const QString &name, QSize size);

    // Scales and centres the points into the picture, leaving the margins.
    void fit(std::initializer_list<QPointF> points, Margins margins);
    QPointF toPixel(QPointF model) const;

    // Lines. `line` is the whole straight line through p and q, edge to edge.
    void segment(QPointF p, QPointF q, QColor colour = lineColour());
    void line(QPointF p, QPointF q, QColor colour = lineColour());
    // The segment from p through q and on for `beyond` pixels past q.
    void ray(QPointF p, QPointF q, double beyond);
    void dot(QPointF p);
    void circle(QPointF centre, double radius);
    // `count` short strokes across the middle of PQ: equal counts, equal segments.
    void ticks(QPointF p, QPointF q, int count);

    // Marks of the angle PVQ (the one below 180 degrees); radii in pixels.
    // Equal angles carry the same number of arcs and cross strokes.
    void angleArc(QPointF v, QPointF p, QPointF q, double radius, int arcs = 1, int strokes = 0,
        QColor colour = angleColour());
    void rightAngle(QPointF v, QPointF p, QPointF q, double size);

    // Labels, placed after all lines. A point's letter goes next to the point,
    // as near to the preferred direction as the lines allow; an angle's label
    // goes inside the angle, no nearer to the vertex than minRadius pixels,
    // and as near as it can to the direction `towards` of the way from the
    // arm VP to the arm VQ (one half: the bisector).
    void pointLabel(const QString &text, QPointF p, double preferred, QColor colour = letterColour());
    void angleLabel(const QString &text, QPointF v, QPointF p, QPointF q, double minRadius,
        double towards = 0.5, QColor colour = angleColour());
    // A free text near a point given in pixels.
    void note(const QString &text, QPointF pixelCentre);

    void setAngleFontPixels(int pixels);

    // The finished picture and what could not be placed (nothing, normally).
    QImage finish();
    QStringList problems() const { return m_problems; }

    static QColor lineColour() { return { 0x1e, 0x1e, 0x1e }; }
    static QColor letterColour() { return { 0x00, 0x00, 0x00 }; }
    static QColor angleColour() { return { 0x0b, 0x4a, 0x8f }; }

private:
    struct Ink
    {
        QLineF line;
        double halfWidth;
    };
    struct Candidate
    {
        QPointF centre;
        double score;
    };

    void stroke(QLineF pixelLine, double width, QColor colour);
    void strokePolyline(const std::vector<QPointF> &pixels, double width, QColor colour);
    // Places the text at the free candidate of least score.
    void place(const QString &text, const QFont &font, std::vector<Candidate> candidates, QColor colour,
        const QString &what, QPointF wedgeVertex = {}, double wedgeFrom = 0, double wedgeSweep = 0);
    bool isFree(const QRectF &box) const;

    QString m_name;
    QImage m_image;
    QPainter m_painter;
    double m_scale = 1.0;
    QPointF m_offset;
    QFont m_letterFont;
    QFont m_angleFont;
    std::vector<Ink> m_ink;
    std::vector<QRectF> m_labels;
    QStringList m_problems;
};
