#pragma once

#include <QWidget>

class Fom : public QWidget
{
    Q_OBJECT
};
