// SPDX-License-Identifier: MIT
#pragma once

#include "layout.h"

class QObject;
class QWidget;

// Makes one control of the window from its layout row: the adapter of its
// kind, named "Img" or "Com(2)" so that the window and its tests find it by
// the name the layout gives it, placed in twips inside its container.
QObject *createControl(const Layout::Row &row, QWidget *container);

// A control's caption in the language the application speaks, with the
// game's version where the footer names it.
QString caption(const Layout::Row &row);

// The object name of a control: its name, with its index for an element of
// a control array.
QString controlName(const char *name, int index);
