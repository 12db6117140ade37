// SPDX-License-Identifier: MIT
#include "qtmessagebox.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

struct SeenBox
{
    bool found = false;
    QString title, text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    int buttons = 0;
};

// Reads the box that show() put up, from inside its modal loop, and
// dismisses it as the player would.
SeenBox readAndDismiss(const std::function<void()> &show)
{
    SeenBox seen;
    QTimer::singleShot(0, [&seen] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box)
            return;
        seen = {true, box->windowTitle(), box->text(), box->icon(), int(box->buttons().size())};
        box->button(QMessageBox::Ok)->click();
    });
    show();
    return seen;
}

TEST(QtMessageBox, ShowsTheTextWithLineBreaksUnderTheGamesCaptionWithOkOnly)
{
    QtMessageBox messages;
    const SeenBox seen = readAndDismiss([&] { messages.show(QStringLiteral("一行目\r\n二行目")); });
    ASSERT_TRUE(seen.found);
    EXPECT_EQ(seen.title, QStringLiteral("Velmora…"));
    EXPECT_EQ(seen.text, QStringLiteral("一行目\n二行目"));
    EXPECT_EQ(seen.icon, QMessageBox::NoIcon);
    EXPECT_EQ(seen.buttons, 1);
}

TEST(QtMessageBox, ShowsAnErrorWithACriticalIcon)
{
    QtMessageBox messages;
    const SeenBox seen = readAndDismiss([&] { messages.showError(QStringLiteral("<b>失敗</b>")); });
    ASSERT_TRUE(seen.found);
    EXPECT_EQ(seen.icon, QMessageBox::Critical);
    EXPECT_EQ(seen.text, QStringLiteral("<b>失敗</b>"));
}

} // namespace
