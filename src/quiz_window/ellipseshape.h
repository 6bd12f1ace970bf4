#pragma once

#include "quiz_window/layout.h"

#include <QWidget>

// An ellipse filling its rectangle, in a solid colour with a thin outline.
// Its left edge and width are kept in twips, fractions included, and only
// brought to pixels when painted.
class EllipseShape : public QWidget
{
    Q_OBJECT

public:
    EllipseShape(const Layout::Twips &place, quint32 fillBgr, QWidget *parent = nullptr);

    double leftTwips() const { return m_left; }
    double widthTwips() const { return m_width; }
    void setLeftTwips(double twips);
    void setWidthTwips(double twips);
    QColor fillColour() const { return m_fill; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void reposition();

    double m_left;
    double m_top;
    double m_width;
    double m_height;
    QColor m_fill;
};
