#pragma once

#include "quiz_window/layout.h"

#include <Qt>
#include <QtGlobal>

class QLabel;
class QPushButton;
class QRadioButton;
class QString;
class QWidget;
class TextBox;

// Makers of the kinds of control the window is built from. Positions and
// sizes are in twips from the top left corner of the parent.
namespace Controls {

// An opaque label painted in its back colour.
QLabel *label(QWidget *parent, const QString &caption, quint32 backBgr, Qt::Alignment alignment,
    const Layout::Twips &place);

// A push button whose face is painted in its back colour; never a default
// button, so Enter does not press it behind the pupil's back.
QPushButton *button(QWidget *parent, const QString &caption, quint32 backBgr, const Layout::Twips &place);

TextBox *textBox(QWidget *parent, const QString &text, const Layout::Twips &place);

QRadioButton *option(QWidget *parent, const QString &caption, quint32 backBgr, const Layout::Twips &place);

// A plain area that shows only its back colour.
QWidget *colourBox(QWidget *parent, quint32 backBgr, const Layout::Twips &place);

void setBackColour(QWidget *widget, quint32 bgr);

} // namespace Controls
