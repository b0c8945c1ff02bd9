#include "TestServices.h"

QMessageBox::StandardButton ScriptedDialogs::message(QWidget *, Icon icon, const QString &text,
                                                     QMessageBox::StandardButtons buttons,
                                                     QMessageBox::StandardButton)
{
    messages.append({icon, text});
    if (!this->buttons.isEmpty())
        return this->buttons.dequeue();
    if (buttons == QMessageBox::Ok || buttons == QMessageBox::NoButton)
        return QMessageBox::Ok;
    unanswered << text;
    return QMessageBox::Cancel;
}

std::optional<QString> ScriptedDialogs::input(QWidget *, const QString &prompt, const QString &)
{
    prompts << prompt;
    if (inputs.isEmpty()) {
        unanswered << prompt;
        return std::nullopt;
    }
    return inputs.dequeue();
}

QString ScriptedDialogs::openFileName(QWidget *, const QString &caption, const QString &, const QString &)
{
    prompts << caption;
    if (fileNames.isEmpty()) {
        unanswered << caption;
        return QString();
    }
    return fileNames.dequeue();
}

QString ScriptedDialogs::saveFileName(QWidget *parent, const QString &caption, const QString &folder,
                                      const QString &filter)
{
    return openFileName(parent, caption, folder, filter);
}

TestServices::TestServices()
{
    m_services.clock = &clock;
    m_services.pause = &pause;
    m_services.random = &random;
    m_services.dialogs = &dialogs;
    m_services.media = &media;
}
