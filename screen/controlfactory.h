// SPDX-License-Identifier: MIT
#pragma once

#include "layout.h"

#include <QWidget>

#include <array>
#include <cstddef>
#include <utility>
#include <vector>

class Image;

// Gives the window its own design: caption, back colour and font.
void designWindow(QWidget *window);

// Makes every control of the layout inside the window, in the layout's
// order, with the one drawn first in front; returns each control that the
// window places, with its rectangle in twips. Shapes are left to the panel
// that holds them, which places them in its own scale.
std::vector<std::pair<QWidget *, QRect>> createControls(QWidget *window);

// Makes one control of the window from its layout row: the adapter of its
// kind, named "Img" or "Com(2)" so that the window and its tests find it by
// the name the layout gives it, placed in twips inside its container.
QObject *createControl(const Layout::Row &row, QWidget *container);

// A new element of an image array, a copy of its first: same place,
// hidden, a store for one picture.
Image *createElement(const Image &first, const char *name, int index);

// A control's caption in the language the application speaks, with the
// game's version where the footer names it.
QString caption(const Layout::Row &row);

// The object name of a control: its name, with its index for an element of
// a control array.
QString controlName(const char *name, int index);

// The control of the window with that name. A layout row renamed, dropped
// or given another kind stops the game here, as the window is built, in
// every build: never a null control later on.
template<typename T>
T *findControl(const QWidget *window, const char *name, int index = Layout::NoIndex)
{
    T *found = window->findChild<T *>(controlName(name, index));
    if (!found)
        qFatal("velmora: the layout has no control %s of the kind the window needs",
               qPrintable(controlName(name, index)));
    return found;
}

// Every element of a control array, by index.
template<typename T, std::size_t N>
void findControls(const QWidget *window, std::array<T *, N> &array, const char *name)
{
    for (std::size_t i = 0; i < N; ++i)
        array[i] = findControl<T>(window, name, static_cast<int>(i));
}
