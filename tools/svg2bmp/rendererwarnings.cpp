// SPDX-License-Identifier: MIT
#include "rendererwarnings.h"

#include <cstdio>

namespace {

QStringList g_warnings;

void collect(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (type == QtDebugMsg || type == QtInfoMsg)
        return;
    if (QByteArray(context.category ? context.category : "").startsWith("qt.svg"))
        g_warnings << message;
    else if (type != QtWarningMsg)
        std::fprintf(stderr, "%s\n", qPrintable(message));
}

} // namespace

void collectRendererWarnings()
{
    qInstallMessageHandler(collect);
}

const QStringList &rendererWarnings()
{
    return g_warnings;
}
