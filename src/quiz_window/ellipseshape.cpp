#include "quiz_window/ellipseshape.h"

#include "quiz_window/colours.h"
#include "quiz_window/twips.h"

#include <QPainter>

#include <algorithm>
#include <cmath>

EllipseShape::EllipseShape(const Layout::Twips &place, quint32 fillBgr, QWidget *parent)
    : QWidget(parent)
    , m_left(place.left)
    , m_top(place.top)
    , m_width(place.width)
    , m_height(place.height)
    , m_fill(fromBgr(fillBgr))
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    reposition();
}

void EllipseShape::setLeftTwips(double twips)
{
    m_left = twips;
    reposition();
}

void EllipseShape::setWidthTwips(double twips)
{
    m_width = twips;
    reposition();
}

void EllipseShape::reposition()
{
    // The widget covers every pixel the ellipse touches; the ellipse itself
    // is painted at its exact fractional place inside it.
    const double left = twipsToPixels(m_left);
    const double right = twipsToPixels(m_left + std::max(m_width, 0.0));
    const int x = static_cast<int>(std::floor(left));
    const int end = static_cast<int>(std::ceil(right)) + 1;
    const QRect outer = twipsRect(m_left, m_top, m_width, m_height);
    setGeometry(x, outer.y(), std::max(end - x, 1), outer.height());
    update();
}

void EllipseShape::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(palette().color(QPalette::WindowText), 1.0));
    painter.setBrush(m_fill);
    const double x = twipsToPixels(m_left) - pos().x();
    const QRectF ellipse(x + 0.5, 0.5, std::max(twipsToPixels(m_width) - 1.0, 0.0), height() - 1.0);
    painter.drawEllipse(ellipse);
}
