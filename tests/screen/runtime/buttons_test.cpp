// SPDX-License-Identifier: MIT
#include "commandbutton.h"
#include "optionbutton.h"
#include "optiongroup.h"
#include "twips.h"

#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

#include <array>
#include <ostream>

namespace {

struct Press
{
    const char *name;
    Qt::MouseButton button;
    Qt::KeyboardModifiers modifiers;
};

void PrintTo(const Press &p, std::ostream *os)
{
    *os << p.name;
}

class CommandButtonPress : public ::testing::TestWithParam<Press>
{
protected:
    CommandButton button{2};
};

TEST_P(CommandButtonPress, RaisesMouseDownAndMouseUpWithItsIndex)
{
    QSignalSpy downs(&button, &CommandButton::MouseDown);
    QSignalSpy ups(&button, &CommandButton::MouseUp);
    QSignalSpy clicks(&button, &QPushButton::clicked);

    QTest::mousePress(&button, GetParam().button, GetParam().modifiers);
    ASSERT_EQ(downs.count(), 1);
    EXPECT_EQ(downs.at(0).at(0).toInt(), 2);
    EXPECT_EQ(ups.count(), 0);
    EXPECT_TRUE(button.isDown());

    QTest::mouseRelease(&button, GetParam().button, GetParam().modifiers);
    ASSERT_EQ(ups.count(), 1);
    EXPECT_EQ(ups.at(0).at(0).toInt(), 2);
    EXPECT_FALSE(button.isDown());
    EXPECT_EQ(clicks.count(), 0);
}

INSTANTIATE_TEST_SUITE_P(AnyButtonAnyModifier, CommandButtonPress,
                         ::testing::Values(Press{"Left", Qt::LeftButton, Qt::NoModifier},
                                           Press{"Right", Qt::RightButton, Qt::NoModifier},
                                           Press{"Middle", Qt::MiddleButton, Qt::NoModifier},
                                           Press{"ShiftLeft", Qt::LeftButton, Qt::ShiftModifier},
                                           Press{"CtrlRight", Qt::RightButton, Qt::ControlModifier},
                                           Press{"AltMiddle", Qt::MiddleButton, Qt::AltModifier},
                                           Press{"CtrlShiftLeft", Qt::LeftButton, Qt::ShiftModifier | Qt::ControlModifier}));

TEST(CommandButton, IgnoresEveryActivationKey)
{
    CommandButton button(0);
    QSignalSpy downs(&button, &CommandButton::MouseDown);
    QSignalSpy ups(&button, &CommandButton::MouseUp);
    QSignalSpy clicks(&button, &QPushButton::clicked);
    for (Qt::Key key : {Qt::Key_Space, Qt::Key_Return, Qt::Key_Enter, Qt::Key_Select})
        QTest::keyClick(&button, key);
    EXPECT_EQ(downs.count() + ups.count() + clicks.count(), 0);
    EXPECT_EQ(button.focusPolicy(), Qt::NoFocus);
}

TEST(CommandButton, ForgetsAPressWhenHiddenWhileHeld)
{
    QWidget window;
    CommandButton button(0, &window);
    window.show();
    QSignalSpy ups(&button, &CommandButton::MouseUp);
    QTest::mousePress(&button, Qt::LeftButton);
    button.hide();
    button.show();
    QTest::mouseRelease(&button, Qt::LeftButton);
    EXPECT_EQ(ups.count(), 0);
    EXPECT_FALSE(button.isDown());
}

TEST(CommandButton, BackColourFillsTheFaceAlsoWhilePressed)
{
    QWidget window;
    CommandButton button(0, &window);
    button.setGeometry(twipsRect(120, 4080, 1335, 375));
    button.setBackColor(bgrColor(0x008080FF));
    window.show();
    const QPoint middle = button.rect().center();
    EXPECT_EQ(button.grab().toImage().pixelColor(middle), bgrColor(0x008080FF));
    QTest::mousePress(&button, Qt::RightButton);
    EXPECT_EQ(button.grab().toImage().pixelColor(middle), bgrColor(0x008080FF));
    QTest::mouseRelease(&button, Qt::RightButton);

    // A face already drawn is never shown for a colour or a size it was not drawn for.
    button.setBackColor(bgrColor(0x00C0C0C0));
    button.resize(button.size() * 2);
    const QImage face = button.grab().toImage();
    EXPECT_EQ(face.pixelColor(face.rect().center()), bgrColor(0x00C0C0C0));
    EXPECT_EQ(face.pixelColor(face.width() - 1, face.height() - 1), bgrColor(0x00C0C0C0).darker());
}

TEST(OptionButton, BackColourFillsItsWholeBoxBehindTheText)
{
    QWidget panel;
    OptionButton option(0, &panel);
    option.setText(QStringLiteral("軽い"));
    option.setGeometry(twipsRect(120, 360, 1335, 375));
    option.setBackColor(bgrColor(0x000000FF));
    panel.show();
    const QImage face = option.grab().toImage();
    EXPECT_EQ(face.pixelColor(face.width() - 2, face.height() / 2), bgrColor(0x000000FF));
    EXPECT_EQ(face.pixelColor(face.width() / 2, 1), bgrColor(0x000000FF));
}

// Three difficulty options in one panel, the middle one selected.
class DifficultyOptions : public ::testing::Test
{
protected:
    void SetUp() override
    {
        for (int i = 0; i < 3; ++i) {
            options[i] = new OptionButton(i, &panel);
            options[i]->setGeometry(90 * i, 0, 80, 25);
            group.add(options[i]);
        }
        options[1]->setChecked(true);
        panel.show();
    }

    void click(int i) { QTest::mouseClick(options[i], Qt::LeftButton, {}, QPoint(8, 12)); }

    QWidget panel;
    std::array<OptionButton *, 3> options{};
    OptionGroup group;
};

TEST_F(DifficultyOptions, SelectingAnotherOptionRaisesClickWithItsIndexOnly)
{
    QSignalSpy clicks(&group, &OptionGroup::Click);
    click(0);
    ASSERT_EQ(clicks.count(), 1);
    EXPECT_EQ(clicks.at(0).at(0).toInt(), 0);
    EXPECT_TRUE(options[0]->value());
    EXPECT_FALSE(options[1]->value());
    EXPECT_EQ(group.selectedIndex(), 0);
}

TEST_F(DifficultyOptions, ClickingTheSelectedOptionRaisesNothing)
{
    QSignalSpy clicks(&group, &OptionGroup::Click);
    click(1);
    EXPECT_EQ(clicks.count(), 0);
    EXPECT_TRUE(options[1]->value());
}

} // namespace
