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
    // Each face is drawn once for the size and density painted on, and a
    // press only copies the face down to the screen: shaping the caption
    // and stroking the bevel cost a press more than the copy does.
    QPainter painter(this);
    const qreal ratio = painter.device()->devicePixelRatioF();
    const FaceKey key{size(), ratio, text(), font(), m_face, m_bevel};
    if (key != m_facesDrawnFor) {
        m_facesDrawnFor = key;
        m_faces = {};
    }
    QPixmap &face = m_faces[isDown()];
    if (face.isNull())
        face = drawFace(isDown(), ratio);
    painter.drawPixmap(0, 0, face);
}

QPixmap CommandButton::drawFace(bool down, qreal ratio) const
{
    QPixmap face((QSizeF(size()) * ratio).toSize());
    face.setDevicePixelRatio(ratio);
    QPainter painter(&face);
    painter.setFont(font());
    const QRect edges = rect();
    painter.fillRect(edges, m_face);
    const QColor light = m_face.lighter();
    const QColor dark = m_face.darker();
    for (int i = 0; i < m_bevel; ++i) {
        const QRect edge = edges.adjusted(i, i, -i, -i);
        painter.setPen(down ? dark : light);
        painter.drawLine(edge.topLeft(), edge.topRight());
        painter.drawLine(edge.topLeft(), edge.bottomLeft());
        painter.setPen(down ? light : dark);
        painter.drawLine(edge.bottomLeft(), edge.bottomRight());
        painter.drawLine(edge.topRight(), edge.bottomRight());
    }
    const int shift = down ? m_bevel : 0;
    painter.setPen(Qt::black);
    painter.drawText(edges.adjusted(m_bevel + shift, m_bevel + shift, shift - m_bevel, shift - m_bevel),
                     Qt::AlignCenter | Qt::TextSingleLine, text());
    return face;
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
