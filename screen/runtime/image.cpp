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
    // Words for the old picture would now be untrue.
    showPicture(picture, QString());
}

void Image::setPicture(const Image &store)
{
    showPicture(store.picture(), store.accessibleDescription());
}

void Image::showPicture(const QPixmap &picture, const QString &description)
{
    m_picture = picture;
    m_scaled = QPixmap();
    setAccessibleDescription(description);
    update();
}

void Image::setStretch(bool stretch)
{
    if (m_stretch == stretch)
        return;
    m_stretch = stretch;
    update();
}

QSize Image::sizeHint() const
{
    return m_picture.isNull() ? QWidget::sizeHint() : m_picture.deviceIndependentSize().toSize();
}

void Image::paintEvent(QPaintEvent *)
{
    if (m_picture.isNull())
        return;
    QPainter painter(this);
    if (!m_stretch) {
        painter.drawPixmap(0, 0, m_picture);
        return;
    }
    // Scale for the device really painted on (the backing store of a screen
    // of any density, or the target of a grab), so a high-density screen gets
    // the picture's own detail instead of a low-resolution copy blown up.
    const QPaintDevice *target = painter.paintEngine() ? painter.paintEngine()->paintDevice() : nullptr;
    const qreal ratio = target ? target->devicePixelRatioF() : devicePixelRatioF();
    const QSize deviceSize = (QSizeF(size()) * ratio).toSize();
    if (deviceSize.isEmpty())
        return;
    painter.drawPixmap(0, 0, scaledFor(deviceSize, ratio));
}

const QPixmap &Image::scaledFor(QSize deviceSize, qreal ratio)
{
    // Smooth scaling is slow enough to matter on every repaint of the main
    // picture, so the copy is kept until the picture or the size changes.
    if (m_scaled.size() != deviceSize || m_scaled.devicePixelRatio() != ratio) {
        m_scaled = m_picture.size() == deviceSize
                ? m_picture
                : m_picture.scaled(deviceSize, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        m_scaled.setDevicePixelRatio(ratio);
    }
    return m_scaled;
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
