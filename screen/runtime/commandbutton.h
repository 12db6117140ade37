// SPDX-License-Identifier: MIT
#pragma once

#include <QColor>
#include <QFont>
#include <QList>
#include <QPixmap>
#include <QPushButton>
#include <QSize>
#include <QString>

#include <array>

// A command button of a control array: it raises MouseDown when any mouse
// button goes down on it (each press of a quick double press too) and MouseUp
// when that button is released, both with the index the button was created
// with, whatever the modifier keys. The window may hold it down with a key
// as well: pressKey() is a press like a mouse button's, and releaseKey() of
// the same key its MouseUp; a key already holding it is no new press.
// Nothing else: it takes no focus, ignores the keyboard that reaches it and
// never emits clicked(). While a mouse button or a key holds it, it looks
// pressed. A button hidden while held forgets the press, so a round that
// ended during a press gets no late MouseUp. The back colour fills the whole
// face in any widget style.
class CommandButton : public QPushButton
{
    Q_OBJECT

public:
    explicit CommandButton(int index, QWidget *parent = nullptr);

    int index() const { return m_index; }
    void setBackColor(const QColor &color);
    // The bevel grows and shrinks with the window, as the caption does.
    void setScale(double factor);

    // key: any number that tells one key from another; a hidden button
    // takes no press.
    void pressKey(int key);
    void releaseKey(int key);

signals:
    void MouseDown(int Index);
    void MouseUp(int Index);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void keyReleaseEvent(QKeyEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    void hold();
    void letGo();
    QPixmap drawFace(bool down, qreal ratio) const;

    // The width of the raised edge at the laid-out size, in pixels.
    static constexpr int LaidOutBevel = 2;

    const int m_index;
    Qt::MouseButtons m_held;
    QList<int> m_keysHeld;
    QColor m_face;
    int m_bevel = LaidOutBevel;

    // What the kept faces were drawn for; any change draws them again.
    struct FaceKey
    {
        QSize size;
        qreal ratio = 0;
        QString text;
        QFont font;
        QColor face;
        int bevel = 0;
        bool operator==(const FaceKey &) const = default;
    };
    FaceKey m_facesDrawnFor;
    // The face up and the face down, each drawn the first time it shows.
    std::array<QPixmap, 2> m_faces;
};
