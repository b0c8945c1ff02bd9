#pragma once

#include <QDialog>
#include <QString>

struct AppState;

// The picture of the flag of a language (0 Italian, 1 French, 2 German), for every
// screen that shows the flags.
QString flagPicture(int languageIndex);

// The language form: three flags Bandiera(0) to Bandiera(2). A click on a flag sets
// the language of the statement texts and closes the form; closing it with its
// close box leaves the language as it was.
class LinguaF : public QDialog
{
    Q_OBJECT
public:
    explicit LinguaF(AppState &state, QWidget *parent = nullptr);

private:
    void choose(int languageIndex);

    AppState &m_state;
};
