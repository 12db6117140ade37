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
