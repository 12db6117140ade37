// SPDX-License-Identifier: MIT
#pragma once

#include <QButtonGroup>
#include <QObject>

class OptionButton;

// The options of one container. The window adds each option once; from then
// on exactly one of them is selected at a time, and Click reports the index
// of an option each time it becomes selected, by the player or by code.
// Clicking the option that is already selected, or an option losing its
// selection, raises nothing.
class OptionGroup : public QObject
{
    Q_OBJECT

public:
    explicit OptionGroup(QObject *parent = nullptr);

    void add(OptionButton *option);
    // -1 while none is selected.
    int selectedIndex() const { return m_group.checkedId(); }
    // Selects the option step places on from the selected one, as a click
    // would, if there is one there; the arrow keys move a choice so.
    void selectNeighbour(int step);

signals:
    void Click(int Index);

private:
    QButtonGroup m_group;
};
