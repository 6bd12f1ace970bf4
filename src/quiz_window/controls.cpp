#include "quiz_window/controls.h"

#include "quiz_window/colours.h"
#include "quiz_window/textbox.h"
#include "quiz_window/twips.h"

#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

namespace Controls {

void setBackColour(QWidget *widget, quint32 bgr)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, fromBgr(bgr));
    palette.setColor(QPalette::Button, fromBgr(bgr));
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

QLabel *label(QWidget *parent, const QString &caption, quint32 backBgr, Qt::Alignment alignment,
    const Layout::Twips &place)
{
    auto *label = new QLabel(caption, parent);
    label->setAlignment(alignment | Qt::AlignTop);
    label->setWordWrap(true);
    label->setGeometry(twipsRect(place));
    setBackColour(label, backBgr);
    return label;
}

QPushButton *button(QWidget *parent, const QString &caption, quint32 backBgr, const Layout::Twips &place)
{
    auto *button = new QPushButton(caption, parent);
    button->setAutoDefault(false);
    button->setDefault(false);
    button->setGeometry(twipsRect(place));
    setBackColour(button, backBgr);
    return button;
}

TextBox *textBox(QWidget *parent, const QString &text, const Layout::Twips &place)
{
    auto *box = new TextBox(parent);
    box->setText(text);
    box->setGeometry(twipsRect(place));
    return box;
}

QRadioButton *option(QWidget *parent, const QString &caption, quint32 backBgr, const Layout::Twips &place)
{
    auto *option = new QRadioButton(caption, parent);
    // The window keeps the group exclusive itself: it must be able to clear
    // every option, and to hear a click on the option already selected.
    option->setAutoExclusive(false);
    option->setGeometry(twipsRect(place));
    setBackColour(option, backBgr);
    return option;
}

QWidget *colourBox(QWidget *parent, quint32 backBgr, const Layout::Twips &place)
{
    auto *box = new QWidget(parent);
    box->setGeometry(twipsRect(place));
    setBackColour(box, backBgr);
    return box;
}

} // namespace Controls
