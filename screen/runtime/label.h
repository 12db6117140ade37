// SPDX-License-Identifier: MIT
#pragma once

#include <QLabel>

// A label control: a caption drawn over whatever lies behind it. The window
// sets its caption, colours, alignment and font once from the layout and
// changes the caption during play. Like the labels the game was laid out
// with, its text starts at the top left and wraps at the label's width, and
// its background is transparent until a back colour is given. An accessible
// name that was the caption follows it, so a screen reader reads what the
// screen shows.
class Label : public QLabel
{
    Q_OBJECT

public:
    explicit Label(QWidget *parent = nullptr);

    void setCaption(const QString &caption);
    QString caption() const { return text(); }

    void setForeColor(const QColor &color);
    void setBackColor(const QColor &color);
};
