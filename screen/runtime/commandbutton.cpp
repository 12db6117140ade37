// SPDX-License-Identifier: MIT
#include "commandbutton.h"

#include <QKeyEvent>
#include <QMouseEvent>

#include <algorithm>
#include <cmath>

CommandButton::CommandButton(int index, QWidget *parent)
    : QPushButton(parent)
    , m_index(index)
{
    setFocusPolicy(Qt::NoFocus);
    setAutoDefault(false);
    // Its face and bevel cover every pixel: a press repaints the button
    // alone, never the window behind it.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void CommandButton::setBackColor(const QColor &color)
{
    m_face = color;
    applyFace();
}

void CommandButton::setScale(double factor)
{
    const int bevel = std::max(1, static_cast<int>(std::lround(LaidOutBevel * factor)));
    if (bevel == m_bevel)
        return;
    m_bevel = bevel;
    applyFace();
}

void CommandButton::applyFace()
{
    // A palette colour is only a hint that many styles ignore for the face;
    // a style sheet fills it everywhere. The outset border keeps the raised
    // look and turns inset while the button is down.
    const QString face = m_face.name(QColor::HexRgb);
    setStyleSheet(QStringLiteral(
            "QPushButton { background-color: %1; color: black; border: %2px outset %1; }"
            "QPushButton:pressed { border-style: inset; padding-top: %2px; padding-left: %2px; }")
                          .arg(face).arg(m_bevel));
}

void CommandButton::mousePressEvent(QMouseEvent *event)
{
    // QAbstractButton answers the left button only; every button counts here.
    event->accept();
    m_held |= event->button();
    hold();
}

void CommandButton::mouseReleaseEvent(QMouseEvent *event)
{
    event->accept();
    if (!(m_held & event->button()))
        return;
    m_held &= ~event->button();
    letGo();
}

void CommandButton::pressKey(int key)
{
    if (!isVisible() || m_keysHeld.contains(key))
        return;
    m_keysHeld.append(key);
    hold();
}

void CommandButton::releaseKey(int key)
{
    if (!m_keysHeld.removeOne(key))
        return;
    letGo();
}

void CommandButton::hold()
{
    setDown(true);
    emit MouseDown(m_index);
}

// Each release is its own MouseUp; the face comes up with the last.
void CommandButton::letGo()
{
    if (!m_held && m_keysHeld.isEmpty())
        setDown(false);
    emit MouseUp(m_index);
}

void CommandButton::mouseDoubleClickEvent(QMouseEvent *event)
{
    // Players hammer the buttons: the second press of a quick pair is a
    // press like any other.
    mousePressEvent(event);
}

void CommandButton::mouseMoveEvent(QMouseEvent *event)
{
    // The base class would release the look when the pointer leaves the
    // button; the press lasts until the mouse button comes up.
    event->accept();
}

void CommandButton::keyPressEvent(QKeyEvent *event)
{
    event->ignore();
}

void CommandButton::keyReleaseEvent(QKeyEvent *event)
{
    event->ignore();
}

void CommandButton::hideEvent(QHideEvent *event)
{
    m_held = {};
    m_keysHeld.clear();
    setDown(false);
    QPushButton::hideEvent(event);
}
