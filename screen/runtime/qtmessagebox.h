// SPDX-License-Identifier: MIT
#pragma once

#include "messagebox.h"

class QWidget;

// The real message box: a QMessageBox with the caption "Velmora…" in the
// language the application speaks, an OK button only and no icon (a
// critical icon for errors), modal over the window it was given, if any.
class QtMessageBox final : public MessageBox
{
public:
    explicit QtMessageBox(QWidget *parent = nullptr);

    void show(const QString &text) override;
    void showError(const QString &text) override;

    static QString caption();
    // CR LF, and a lone CR or LF, become the line breaks Qt draws.
    static QString plainLines(const QString &text);

private:
    QWidget *m_parent;
};
