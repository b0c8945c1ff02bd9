#include "platform/Dialogs.h"

#include <QFileDialog>
#include <QInputDialog>

QMessageBox::StandardButton QtDialogs::message(QWidget *parent, Icon icon, const QString &text,
                                               QMessageBox::StandardButtons buttons,
                                               QMessageBox::StandardButton defaultButton)
{
    static const QMessageBox::Icon icons[] = {QMessageBox::Information, QMessageBox::Question,
                                              QMessageBox::Warning, QMessageBox::Critical};
    QMessageBox box(icons[static_cast<int>(icon)], QString::fromLatin1(kProgramTitle), text, buttons, parent);
    if (defaultButton != QMessageBox::NoButton)
        box.setDefaultButton(defaultButton);
    return static_cast<QMessageBox::StandardButton>(box.exec());
}

std::optional<QString> QtDialogs::input(QWidget *parent, const QString &prompt, const QString &initial)
{
    bool ok = false;
    const QString text = QInputDialog::getText(parent, QString::fromLatin1(kProgramTitle), prompt,
                                               QLineEdit::Normal, initial, &ok);
    if (!ok)
        return std::nullopt;
    return text;
}

QString QtDialogs::openFileName(QWidget *parent, const QString &caption, const QString &folder,
                                const QString &filter)
{
    return QFileDialog::getOpenFileName(parent, caption, folder, filter, nullptr,
                                        QFileDialog::DontUseNativeDialog);
}

QString QtDialogs::saveFileName(QWidget *parent, const QString &caption, const QString &folder,
                                const QString &filter)
{
    return QFileDialog::getSaveFileName(parent, caption, folder, filter, nullptr,
                                        QFileDialog::DontUseNativeDialog);
}
