// SPDX-License-Identifier: MIT
#pragma once

#include <QLabel>
#include <QTextLayout>

// A label control: a caption drawn over whatever lies behind it. The window
// sets its caption, colours, alignment and font once from the layout and
// changes the caption during play. Like the labels the game was laid out
// with, its text starts at the top left and wraps at the label's width, and
// its background is transparent until a back colour is given. An accessible
// name that was the caption follows it, so a screen reader reads what the
// screen shows.
//
// Placed by a scaled layout, it draws its caption as the laid-out window
// does, enlarged or shrunk as a whole: its lines are laid out once, in the
// laid-out font at the laid-out size, and drawn through the factor, so that
// every line breaks where it breaks there, in any language, at any size of
// the window. Fonts come only in whole pixel sizes whose widths do not grow
// in proportion; a caption laid out in the scaled font itself would break
// elsewhere.
class Label : public QLabel
{
    Q_OBJECT

public:
    explicit Label(QWidget *parent = nullptr);

    void setCaption(const QString &caption);
    QString caption() const { return text(); }

    void setForeColor(const QColor &color);
    void setBackColor(const QColor &color);

    // The label as laid out, its font and its size in pixels, and the
    // factor it is shown at now.
    void setLayoutScale(const QFont &laidOutFont, QSize laidOutSize, double factor);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void layOutCaption();

    QTextLayout m_lines;
    qreal m_linesTop = 0;
    QFont m_laidOutFont;
    QSize m_laidOutSize;
    double m_factor = 1.0;
};
