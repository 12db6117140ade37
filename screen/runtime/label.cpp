// SPDX-License-Identifier: MIT
#include "label.h"

Label::Label(QWidget *parent)
    : QLabel(parent)
{
    // Captions are the game's own texts, never markup.
    setTextFormat(Qt::PlainText);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setWordWrap(true);
    setAutoFillBackground(false);
}

void Label::setCaption(const QString &caption)
{
    if (accessibleName() == text())
        setAccessibleName(caption);
    setText(caption);
}

void Label::setForeColor(const QColor &color)
{
    QPalette pal = palette();
    pal.setColor(QPalette::WindowText, color);
    setPalette(pal);
}

void Label::setBackColor(const QColor &color)
{
    QPalette pal = palette();
    pal.setColor(QPalette::Window, color);
    setPalette(pal);
    setAutoFillBackground(true);
}
