// SPDX-License-Identifier: MIT
#include "controlfactory.h"

#include "commandbutton.h"
#include "image.h"
#include "label.h"
#include "optionbutton.h"
#include "picturebox.h"
#include "shape.h"
#include "intervaltimer.h"
#include "twips.h"

#include <QCoreApplication>

namespace {

using Layout::Kind;
using Layout::NoColor;
using Layout::Row;

IntervalTimer *createTimer(const Row &row, QWidget *container)
{
    auto *timer = new IntervalTimer(container);
    timer->setInterval(row.interval);
    timer->setEnabled(row.enabled);
    return timer;
}

Label *createLabel(const Row &row, QWidget *container)
{
    auto *label = new Label(container);
    label->setCaption(caption(row));
    if (row.backColor != NoColor)
        label->setBackColor(bgrColor(row.backColor));
    if (row.foreColor != NoColor)
        label->setForeColor(bgrColor(row.foreColor));
    if (row.fontPoints > 0)
        label->setFont(gothicFont(row.fontPoints));
    label->setAlignment(row.centred ? Qt::AlignHCenter | Qt::AlignTop : Qt::AlignLeft | Qt::AlignTop);
    return label;
}

QWidget *createWidget(const Row &row, QWidget *container)
{
    switch (row.kind) {
    case Kind::PictureBox: {
        auto *box = new PictureBox(container);
        box->setBackColor(bgrColor(row.backColor));
        // Children are placed in twips until start-up gives the box a scale.
        box->setScale(0, 0, row.width, row.height);
        return box;
    }
    case Kind::OptionButton: {
        auto *option = new OptionButton(row.index, container);
        option->setText(caption(row));
        option->setBackColor(bgrColor(row.backColor));
        option->setChecked(row.selected);
        return option;
    }
    case Kind::Shape: {
        auto *shape = new Shape(container);
        shape->setFillColor(bgrColor(row.backColor));
        shape->Move(row.left, row.top, row.width, row.height);
        return shape;
    }
    case Kind::CommandButton: {
        auto *button = new CommandButton(row.index, container);
        button->setText(caption(row));
        button->setBackColor(bgrColor(row.backColor));
        // The keys reach the buttons through the window: say which holds
        // each, where a screen reader reads it after the caption.
        //: The key that holds an action button down: 1, 2 or 3.
        button->setAccessibleDescription(QCoreApplication::translate("Fom", "%1 キー").arg(row.index + 1));
        return button;
    }
    case Kind::Image: {
        auto *image = new Image(container);
        image->setStretch(true);
        return image;
    }
    case Kind::Label:
        return createLabel(row, container);
    case Kind::Timer:
        break;
    }
    return nullptr;
}

} // namespace

QString controlName(const char *name, int index)
{
    const QString base = QString::fromUtf8(name);
    return index == Layout::NoIndex ? base : QStringLiteral("%1(%2)").arg(base).arg(index);
}

std::vector<std::pair<QWidget *, QRect>> createControls(QWidget *window)
{
    std::vector<std::pair<QWidget *, QRect>> placed;
    QList<QWidget *> frontToBack;
    for (const Row &row : Layout::rows()) {
        QWidget *container = qstrcmp(row.container, "Fom") == 0 ? window : findControl<QWidget>(window, row.container);
        auto *widget = qobject_cast<QWidget *>(createControl(row, container));
        if (!widget)
            continue;
        frontToBack.append(widget);
        if (row.kind != Kind::Shape)
            placed.emplace_back(widget, QRect(row.left, row.top, row.width, row.height));
    }
    for (auto it = frontToBack.crbegin(); it != frontToBack.crend(); ++it)
        (*it)->raise();
    return placed;
}

void designWindow(QWidget *window)
{
    window->setWindowTitle(QCoreApplication::translate("Layout", Layout::Caption));
    window->setAutoFillBackground(true);
    QPalette palette = window->palette();
    palette.setColor(QPalette::Window, bgrColor(Layout::WindowColor));
    window->setPalette(palette);
    window->setFont(gothicFont(9));
}

Image *createElement(const Image &first, const char *name, int index)
{
    auto *element = new Image(first.parentWidget());
    element->setObjectName(controlName(name, index));
    element->setGeometry(first.geometry());
    element->setStretch(first.stretch());
    element->setVisible(false);
    return element;
}

QObject *createControl(const Row &row, QWidget *container)
{
    QObject *control = nullptr;
    if (row.kind == Kind::Timer) {
        control = createTimer(row, container);
    } else {
        QWidget *widget = createWidget(row, container);
        if (row.kind != Kind::Shape)
            widget->setGeometry(twipsRect(row.left, row.top, row.width, row.height));
        widget->setVisible(row.visible);
        widget->setAccessibleName(row.accessibleName ? QCoreApplication::translate("Layout", row.accessibleName)
                                                     : caption(row));
        control = widget;
    }
    control->setObjectName(controlName(row.name, row.index));
    return control;
}

QString caption(const Row &row)
{
    const QString text = QCoreApplication::translate("Layout", row.caption);
    return text.contains(QLatin1String("%1")) ? text.arg(QStringLiteral(VELMORA_VERSION)) : text;
}
