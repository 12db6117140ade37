// SPDX-License-Identifier: MIT
#include "optiongroup.h"

#include "optionbutton.h"

OptionGroup::OptionGroup(QObject *parent)
    : QObject(parent)
{
    m_group.setExclusive(true);
    connect(&m_group, &QButtonGroup::idToggled, this, [this](int id, bool checked) {
        if (checked)
            emit Click(id);
    });
}

void OptionGroup::add(OptionButton *option)
{
    m_group.addButton(option, option->index());
}

void OptionGroup::selectNeighbour(int step)
{
    const QList<QAbstractButton *> options = m_group.buttons();
    const qsizetype at = options.indexOf(m_group.checkedButton());
    if (at >= 0 && at + step >= 0 && at + step < options.size())
        options[at + step]->click();
}
