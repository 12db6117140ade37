// SPDX-License-Identifier: MIT
#pragma once

#include <QRadioButton>

// An option button of a control array, created with its index. On its own it
// only shows a caption and a mark, the mark at the style's size times the
// factor given to setScale(). It takes no focus. An OptionGroup makes the options of one
// container exclusive and reports which one the player selected.
class OptionButton : public QRadioButton
{
    Q_OBJECT

public:
    explicit OptionButton(int index, QWidget *parent = nullptr);

    int index() const { return m_index; }
    bool value() const { return isChecked(); }
    void setBackColor(const QColor &color);
    // The mark grows and shrinks with the window, as the caption does.
    void setScale(double factor);

private:
    const int m_index;
    const int m_mark;
    int m_shownMark;
};
