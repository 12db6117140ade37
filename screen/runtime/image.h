// SPDX-License-Identifier: MIT
#pragma once

#include "picture.h"

#include <QPixmap>
#include <QWidget>

// An image control: shows the picture it holds and raises Click when the
// left button is pressed and released over it. The window places it, fills
// it with setPicture() (a picture read from its file, or the one another
// image holds, which it shares with that image, copies for each size
// included) and shows or hides it; a hidden image takes no click. With
// stretch on, the picture fills the whole control, drawn from its copy for
// exactly the pixels of the device it is drawn on; without, it is drawn at
// its own size in the top left corner.
// Assistive technology sees it as a picture and reads its accessible
// description, which a picture from the loader clears and a picture taken
// from another image brings along.
// A double-click is one Click: its second press belongs to the double-click,
// whichever image is under the pointer by then.
class Image : public QWidget
{
    Q_OBJECT

public:
    explicit Image(QWidget *parent = nullptr);

    void setPicture(const QPixmap &picture);
    void setPicture(const Picture &picture);
    // The picture held by another image, with the words that describe it.
    void setPicture(const Image &store);
    // At its full resolution.
    QPixmap picture() const { return m_picture.art(); }
    // The picture itself, as every image showing it shares it.
    const Picture &held() const { return m_picture; }
    // The size a picture shown here is drawn at, in the screen's pixels.
    QSize deviceSize() const;

    void setStretch(bool stretch);
    bool stretch() const { return m_stretch; }

    QSize sizeHint() const override;

signals:
    void Click();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    void showPicture(const Picture &picture, const QString &description);
    void coverWhenOpaque();

    Picture m_picture;
    bool m_stretch = false;
    bool m_leftPressed = false;
};
