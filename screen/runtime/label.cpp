// SPDX-License-Identifier: MIT
#include "label.h"

#include <QFontMetricsF>
#include <QPainter>

#include <cmath>

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
    if (m_laidOutFont != laidOutFont || m_laidOutSize != laidOutSize)
        m_lines.clearLayout();
    m_laidOutFont = laidOutFont;
    m_laidOutSize = laidOutSize;
    m_factor = factor;
    update();
}

// The caption's lines in the laid-out font at the laid-out width, placed as
// a plain label places them, once for each caption: every repaint at any
// factor draws these same lines.
void Label::layOutCaption()
{
    m_lines.setText(text());
    m_lines.setFont(m_laidOutFont);
    QTextOption option(alignment() & Qt::AlignHorizontal_Mask);
    option.setWrapMode(wordWrap() ? QTextOption::WordWrap : QTextOption::ManualWrap);
    m_lines.setTextOption(option);
    const qreal leading = QFontMetricsF(m_laidOutFont).leading();
    qreal height = -leading;
    m_lines.beginLayout();
    for (QTextLine line = m_lines.createLine(); line.isValid(); line = m_lines.createLine()) {
        line.setLineWidth(m_laidOutSize.width());
        height = std::ceil(height + leading);
        line.setPosition(QPointF(0, height));
        height += line.height();
    }
    m_lines.endLayout();
    m_linesTop = alignment() & Qt::AlignBottom ? m_laidOutSize.height() - height
            : alignment() & Qt::AlignVCenter ? (m_laidOutSize.height() - height) / 2 : 0;
}

void Label::paintEvent(QPaintEvent *event)
{
    if (m_laidOutSize.isEmpty()) {
        QLabel::paintEvent(event);
        return;
    }
    if (m_lines.lineCount() == 0 || m_lines.text() != text())
        layOutCaption();
    QPainter painter(this);
    painter.scale(m_factor, m_factor);
    painter.setPen(palette().color(isEnabled() ? QPalette::Normal : QPalette::Disabled, foregroundRole()));
    m_lines.draw(&painter, QPointF(0, m_linesTop));
}
