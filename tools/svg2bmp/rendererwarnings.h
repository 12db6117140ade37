// SPDX-License-Identifier: MIT
#pragma once

#include <QStringList>

// Qt SVG says what it cannot draw only as warnings in its "qt.svg" logging
// category. The build tools call collectRendererWarnings() once, before the
// application object exists, render, and then fail on anything
// rendererWarnings() holds, so a picture never silently loses a part. The
// platform's own chatter (a missing runtime folder and the like) is no
// business of a build and stays quiet; its errors still reach stderr.
void collectRendererWarnings();
const QStringList &rendererWarnings();
