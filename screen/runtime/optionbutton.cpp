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
    setAutoFillBackground(true);
}
