#include "optionbutton.h"

OptionButton::OptionButton(int index, QWidget *parent)
    : QRadioButton(parent)
    , m_index(index)
{
}

void OptionButton::setBackColor(const QColor &color)
{
    QPalette pal = palette();
    pal.setColor(QPalette::Window, color);
    setPalette(pal);
    // A button fills itself from the Button role by default, which the
    // styles paint in their own grey: this option's box is its back colour.
    setBackgroundRole(QPalette::Window);
    setAutoFillBackground(true);
}
