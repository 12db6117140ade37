// SPDX-License-Identifier: MIT
#include "accessiblecontrols.h"

#include "picturebox.h"
#include "shape.h"

#include <QAccessibleWidget>

#include <algorithm>
#include <cmath>

namespace {

const Shape *gaugeOf(const PictureBox &box)
{
    return box.findChild<const Shape *>(QString(), Qt::FindDirectChildrenOnly);
}

class AccessibleImage : public QAccessibleWidget
{
public:
    explicit AccessibleImage(QWidget *image)
        : QAccessibleWidget(image, QAccessible::Graphic)
    {
    }
};

// A box asked about before its shape was made (its name is set first)
// must still become a gauge, so the role is decided at each question.
class AccessibleBox : public QAccessibleWidget, public QAccessibleValueInterface
{
public:
    explicit AccessibleBox(PictureBox *box)
        : QAccessibleWidget(box)
    {
    }

    QAccessible::Role role() const override
    {
        return gaugeOf(box()) ? QAccessible::ProgressBar : QAccessible::Pane;
    }

    void *interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::ValueInterface && gaugeOf(box()))
            return static_cast<QAccessibleValueInterface *>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    QVariant currentValue() const override { return gaugeValue(box()); }
    // The bars show the game's state; no one sets them from outside.
    void setCurrentValue(const QVariant &) override {}
    QVariant minimumValue() const override { return 0; }
    QVariant maximumValue() const override { return static_cast<int>(std::lround(box().scaleWidth())); }
    QVariant minimumStepSize() const override { return 1; }

private:
    const PictureBox &box() const { return *static_cast<const PictureBox *>(widget()); }
};

QAccessibleInterface *controlInterface(const QString &className, QObject *object)
{
    if (className == QLatin1String("Image"))
        return new AccessibleImage(static_cast<QWidget *>(object));
    if (className == QLatin1String("PictureBox"))
        return new AccessibleBox(static_cast<PictureBox *>(object));
    return nullptr;
}

} // namespace

void installAccessibleControls()
{
    static const bool installed = [] {
        QAccessible::installFactory(controlInterface);
        return true;
    }();
    Q_UNUSED(installed);
}

int gaugeValue(const PictureBox &box)
{
    const Shape *shape = gaugeOf(box);
    if (!shape)
        return 0;
    const QRectF bar = shape->scaled();
    const double shown = std::min(bar.right(), box.scaleLeft() + box.scaleWidth())
            - std::max(bar.left(), box.scaleLeft());
    return static_cast<int>(std::lround(std::clamp(shown, 0.0, 1.0e9)));
}

void gaugeMoved(const Shape &shape)
{
    auto *box = qobject_cast<PictureBox *>(shape.parentWidget());
    if (!box || !QAccessible::isActive())
        return;
    QAccessibleValueChangeEvent event(box, gaugeValue(*box));
    QAccessible::updateAccessibility(&event);
}
