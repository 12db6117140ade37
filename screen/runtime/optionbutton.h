#pragma once

#include <QRadioButton>

// An option button of a control array, created with its index. On its own it
// only shows a caption and a mark; an OptionGroup makes the options of one
// container exclusive and reports which one the player selected.
class OptionButton : public QRadioButton
{
    Q_OBJECT

public:
    explicit OptionButton(int index, QWidget *parent = nullptr);

    int index() const { return m_index; }
    bool value() const { return isChecked(); }
    void setBackColor(const QColor &color);

private:
    const int m_index;
};
