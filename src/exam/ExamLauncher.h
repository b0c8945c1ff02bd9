#pragma once

struct AppState;
class FlatButton;
class MainForm;

// The two "Prova d'esame" buttons of the main menu. Each disables the pressed button,
// draws a paper into ExamPaper, sits the exam on a fresh EsameAM shown modally, then
// enables the button again and gives it the focus. A paper that cannot be drawn is
// reported in a message box and no exam opens.

// EsamePp(0): the AM exam, or the revised AB exam while Revisione is on (the draw then
// runs behind the menu's wait banner).
void examFromAMButton(AppState &state, MainForm &menu, FlatButton *esameP);

// EsameABp(0): the AB exam, with Revisione on while its screen is open; while Revisione
// is already on, the revised AB exam through the AM button's handler, after which the
// AM button stays disabled.
void examFromABButton(AppState &state, MainForm &menu, FlatButton *esameAB, FlatButton *esameP);
