// SPDX-License-Identifier: MIT
#include "qtmessagebox.h"

#include <QApplication>
#include <QMessageBox>

namespace {

void showModal(QWidget *parent, QMessageBox::Icon icon, const QString &text)
{
    QMessageBox box(icon, QtMessageBox::caption(), QtMessageBox::plainLines(text),
                    QMessageBox::Ok, parent);
    // The game's texts are plain; a "<" in one must not turn into markup.
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

} // namespace

QtMessageBox::QtMessageBox(QWidget *parent)
    : m_parent(parent)
{
}

void QtMessageBox::show(const QString &text)
{
    showModal(m_parent, QMessageBox::NoIcon, text);
}

void QtMessageBox::showError(const QString &text)
{
    showModal(m_parent, QMessageBox::Critical, text);
}

QString QtMessageBox::caption()
{
    return QApplication::translate("QtMessageBox", "Velmora…");
}

QString QtMessageBox::plainLines(const QString &text)
{
    QString lines = text;
    lines.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    lines.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return lines;
}
