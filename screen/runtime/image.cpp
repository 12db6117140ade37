// SPDX-License-Identifier: MIT
#include "image.h"

#include "accessiblecontrols.h"

#include <QMouseEvent>
#include <QPaintEngine>
#include <QPainter>

Image::Image(QWidget *parent)
    : QWidget(parent)
{
    installAccessibleControls();
}

void Image::setPicture(const QPixmap &picture)
{
    setPicture(Picture(picture));
}

void Image::setPicture(const Picture &picture)
{
    // Words for the old picture would now be untrue.
    showPicture(picture, QString());
}

void Image::setPicture(const Image &store)
{
    showPicture(store.m_picture, store.accessibleDescription());
}

void Image::showPicture(const Picture &picture, const QString &description)
{
    m_picture = picture;
    setAccessibleDescription(description);
    coverWhenOpaque();
    update();
}

// A picture stretched over the whole control hides what lies behind it:
// nothing need be painted there first.
void Image::coverWhenOpaque()
{
    setAttribute(Qt::WA_OpaquePaintEvent, m_stretch && m_picture.isOpaque());
}

QSize Image::deviceSize() const
{
    return (QSizeF(size()) * devicePixelRatioF()).toSize();
}

void Image::setStretch(bool stretch)
{
    if (m_stretch == stretch)
        return;
    m_stretch = stretch;
    coverWhenOpaque();
    update();
}

QSize Image::sizeHint() const
{
    return m_picture.isNull() ? QWidget::sizeHint() : m_picture.size();
}

void Image::paintEvent(QPaintEvent *)
{
    if (m_picture.isNull())
        return;
    QPainter painter(this);
    if (!m_stretch) {
        painter.drawPixmap(0, 0, m_picture.scaledTo(m_picture.size()));
        return;
    }
    // Drawn for the device really painted on (the backing store of a screen
    // of any density, or the target of a grab), so a high-density screen gets
    // the picture's own detail instead of a low-resolution copy blown up. The
    // copy has exactly the device's pixels: painting it converts and scales
    // nothing.
    const QPaintDevice *target = painter.paintEngine() ? painter.paintEngine()->paintDevice() : nullptr;
    const qreal ratio = target ? target->devicePixelRatioF() : devicePixelRatioF();
    const QSize deviceSize = (QSizeF(size()) * ratio).toSize();
    if (deviceSize.isEmpty())
        return;
    painter.drawPixmap(rect(), m_picture.scaledTo(deviceSize));
}

void Image::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        m_leftPressed = true;
    event->accept();
}

void Image::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton || !m_leftPressed) {
        event->accept();
        return;
    }
    m_leftPressed = false;
    event->accept();
    // Like a button, a press that is dragged off the picture and released
    // elsewhere is no click.
    if (rect().contains(event->position().toPoint()))
        emit Click();
}

void Image::mouseDoubleClickEvent(QMouseEvent *event)
{
    // The first click has already acted, and it may have swapped the title
    // and the main picture under the pointer: the second press must not
    // act again on whichever picture now shows.
    m_leftPressed = false;
    event->accept();
}

void Image::hideEvent(QHideEvent *)
{
    // A press before hiding must not pair with a release after showing again.
    m_leftPressed = false;
}
