// SPDX-License-Identifier: MIT
#include "commandbutton.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

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
    update();
}

void CommandButton::setScale(double factor)
{
    const int bevel = std::max(1, static_cast<int>(std::lround(LaidOutBevel * factor)));
    if (bevel == m_bevel)
        return;
    m_bevel = bevel;
    update();
}

// The button draws itself rather than through a style or a style sheet:
// a palette colour is only a hint that many styles ignore for the face, and
// a style sheet costs a press several times the drawing it does. The face
// is its back colour to the edge, raised by a bevel lit from the top left,
// which turns in while the button is down, the caption moving with it.
void CommandButton::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const QRect face = rect();
    painter.fillRect(face, m_face);
    const QColor light = m_face.lighter();
    const QColor dark = m_face.darker();
    const bool down = isDown();
    for (int i = 0; i < m_bevel; ++i) {
        const QRect edge = face.adjusted(i, i, -i, -i);
        painter.setPen(down ? dark : light);
        painter.drawLine(edge.topLeft(), edge.topRight());
        painter.drawLine(edge.topLeft(), edge.bottomLeft());
        painter.setPen(down ? light : dark);
        painter.drawLine(edge.bottomLeft(), edge.bottomRight());
        painter.drawLine(edge.topRight(), edge.bottomRight());
    }
    const int shift = down ? m_bevel : 0;
    painter.setPen(Qt::black);
    painter.drawText(face.adjusted(m_bevel + shift, m_bevel + shift, shift - m_bevel, shift - m_bevel),
                     Qt::AlignCenter | Qt::TextSingleLine, text());
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
