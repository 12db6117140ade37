// SPDX-License-Identifier: MIT
#pragma once

#include "messagebox.h"

#include <QStringList>

#include <functional>
#include <utility>

// A message box for tests: it records every text it is shown, in order, and
// returns at once instead of waiting for the player. A test that needs
// something to happen while a box is "open" (a click, a timer tick) sets a
// hook, which runs inside show() or showError() before it returns.
class RecordingMessageBox final : public MessageBox
{
public:
    using Hook = std::function<void(const QString &text)>;

    void show(const QString &text) override
    {
        m_texts.append(text);
        if (m_hook)
            m_hook(text);
    }

    void showError(const QString &text) override
    {
        m_errors.append(text);
        if (m_hook)
            m_hook(text);
    }

    void setHook(Hook hook) { m_hook = std::move(hook); }

    // The texts of show(), oldest first.
    const QStringList &texts() const { return m_texts; }
    // The texts of showError(), oldest first.
    const QStringList &errors() const { return m_errors; }

    void clear()
    {
        m_texts.clear();
        m_errors.clear();
    }

private:
    QStringList m_texts;
    QStringList m_errors;
    Hook m_hook;
};
