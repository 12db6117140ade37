// SPDX-License-Identifier: MIT
#include "image.h"

#include <QPainter>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

namespace {

QPixmap filled(QSize size, const QColor &color)
{
    QPixmap pixmap(size);
    pixmap.fill(color);
    return pixmap;
}

// Columns of one pixel, red and blue by turns: detail that a low-resolution
// copy would blur into purple.
QPixmap stripes(QSize size)
{
    QPixmap pixmap = filled(size, Qt::blue);
    QPainter painter(&pixmap);
    for (int x = 0; x < size.width(); x += 2)
        painter.fillRect(x, 0, 1, size.height(), Qt::red);
    return pixmap;
}

TEST(Image, WithStretchFillsTheWholeControl)
{
    Image image;
    image.resize(50, 30);
    image.setStretch(true);
    image.setPicture(filled(QSize(10, 10), Qt::red));
    const QImage shown = image.grab().toImage();
    EXPECT_EQ(shown.pixelColor(0, 0), QColor(Qt::red));
    EXPECT_EQ(shown.pixelColor(49, 29), QColor(Qt::red));
}

TEST(Image, ShowsANewPictureRatherThanTheScaledCopyOfTheOld)
{
    Image image;
    image.resize(40, 40);
    image.setStretch(true);
    image.setPicture(filled(QSize(8, 8), Qt::red));
    image.grab();
    Image store;
    store.setPicture(filled(QSize(8, 8), Qt::blue));
    image.setPicture(store.picture());
    EXPECT_EQ(image.grab().toImage().pixelColor(20, 20), QColor(Qt::blue));
    EXPECT_EQ(image.picture().cacheKey(), store.picture().cacheKey());
}

TEST(Image, DrawsFromTheFullResolutionPictureOnAHighDensityDevice)
{
    Image image;
    image.resize(100, 50);
    image.setStretch(true);
    image.setPicture(stripes(QSize(200, 100)));
    QPixmap device(200, 100);
    device.setDevicePixelRatio(2);
    device.fill(Qt::black);
    image.render(&device);
    const QImage shown = device.toImage();
    EXPECT_EQ(shown.pixelColor(100, 50), QColor(Qt::red));
    EXPECT_EQ(shown.pixelColor(101, 50), QColor(Qt::blue));
}

class ImageClick : public ::testing::Test
{
protected:
    void SetUp() override
    {
        window.resize(200, 200);
        image = new Image(&window);
        image->setGeometry(50, 50, 100, 100);
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    }

    // Through the window, as the player clicks: the widget under the
    // pointer gets the click.
    void clickCentre() { QTest::mouseClick(window.windowHandle(), Qt::LeftButton, {}, QPoint(100, 100)); }

    QWidget window;
    Image *image = nullptr;
};

TEST_F(ImageClick, AShownImageRaisesClickOnALeftClick)
{
    QSignalSpy clicks(image, &Image::Click);
    clickCentre();
    EXPECT_EQ(clicks.count(), 1);
}

TEST_F(ImageClick, AHiddenImageTakesNoClick)
{
    QSignalSpy clicks(image, &Image::Click);
    image->hide();
    clickCentre();
    EXPECT_EQ(clicks.count(), 0);
}

} // namespace
