#pragma once

#include <QMessageBox>
#include <QString>
#include <optional>

class QWidget;

// Message boxes, the input box and file dialogs. The program shows Qt's dialogs;
// tests answer them from a script.
class Dialogs
{
public:
    enum class Icon { Information, Question, Warning, Error };

    virtual ~Dialogs() = default;

    // A message box titled "TAVRI"; returns the button pressed.
    virtual QMessageBox::StandardButton message(QWidget *parent, Icon icon, const QString &text,
                                                QMessageBox::StandardButtons buttons = QMessageBox::Ok,
                                                QMessageBox::StandardButton defaultButton = QMessageBox::NoButton) = 0;
    // The input box; no value when cancelled.
    virtual std::optional<QString> input(QWidget *parent, const QString &prompt,
                                         const QString &initial = QString()) = 0;
    // File dialogs; an empty string when cancelled. filter as in QFileDialog ("Esami (*.TVE)").
    virtual QString openFileName(QWidget *parent, const QString &caption, const QString &folder,
                                 const QString &filter) = 0;
    virtual QString saveFileName(QWidget *parent, const QString &caption, const QString &folder,
                                 const QString &filter) = 0;
};

class QtDialogs : public Dialogs
{
public:
    QMessageBox::StandardButton message(QWidget *parent, Icon icon, const QString &text,
                                        QMessageBox::StandardButtons buttons,
                                        QMessageBox::StandardButton defaultButton) override;
    std::optional<QString> input(QWidget *parent, const QString &prompt, const QString &initial) override;
    QString openFileName(QWidget *parent, const QString &caption, const QString &folder,
                         const QString &filter) override;
    QString saveFileName(QWidget *parent, const QString &caption, const QString &folder,
                         const QString &filter) override;
};

// The program's title on every message box.
inline const char *const kProgramTitle = "TAVRI";
