// SPDX-License-Identifier: MIT
#include "label.h"

#include <QPainter>
#include <QStyle>

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

void Label::setLayoutScale(const QFont &laidOutFont, QSize laidOutSize, double factor)
{
    if (m_laidOutFont == laidOutFont && m_laidOutSize == laidOutSize && m_factor == factor)
        return;
    m_laidOutFont = laidOutFont;
    m_laidOutSize = laidOutSize;
    m_factor = factor;
    update();
}

void Label::paintEvent(QPaintEvent *event)
{
    if (m_laidOutSize.isEmpty()) {
        QLabel::paintEvent(event);
        return;
    }
    QPainter painter(this);
    painter.scale(m_factor, m_factor);
    painter.setFont(m_laidOutFont);
    const int flags = int(alignment()) | (wordWrap() ? Qt::TextWordWrap : 0);
    style()->drawItemText(&painter, QRect(QPoint(0, 0), m_laidOutSize), flags, palette(), isEnabled(), text(),
                          foregroundRole());
}
