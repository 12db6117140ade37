// SPDX-License-Identifier: MIT
// Main for widget tests. The platform must be chosen before the application
// object exists, and here rather than in CTest's environment: test discovery
// runs this binary on its own.
#include <QApplication>
#include <gtest/gtest.h>

#include <cstdlib>

int main(int argc, char **argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
