#include "exam/ExamLauncher.h"

#include "core/AppState.h"
#include "core/MainForm.h"
#include "exam/EsameAM.h"
#include "exam/ExamDraw.h"
#include "platform/Dialogs.h"
#include "widgets/FlatButton.h"

namespace {

bool drawPaper(AppState &state, MainForm &menu, PaperKind kind)
{
    const bool am = kind == PaperKind::AM;
    ExamDraw draw(am ? state.bankAM : state.bankAB, am ? state.chaptersAM : state.chaptersAB, *state.services.random,
                  am ? QStringLiteral("TAVRI_AM.SET") : QStringLiteral("TAVRI.SET"));
    const bool banner = kind == PaperKind::RevisedAB;
    if (banner)
        menu.showWaitBanner();
    QString error;
    const bool drawn = draw.draw(kind, &state.examPaper, &error);
    if (banner)
        menu.hideWaitBanner();
    if (!drawn)
        state.services.dialogs->message(&menu, Dialogs::Icon::Error, error);
    return drawn;
}

void sitExam(AppState &state, MainForm &menu)
{
    EsameAM screen(state, &menu);
    screen.exec();
}

void giveBack(FlatButton *button)
{
    button->setEnabled(true);
    button->setFocus();
}

} // namespace

void examFromAMButton(AppState &state, MainForm &menu, FlatButton *esameP)
{
    esameP->setEnabled(false);
    if (drawPaper(state, menu, state.revisione ? PaperKind::RevisedAB : PaperKind::AM))
        sitExam(state, menu);
    giveBack(esameP);
}

void examFromABButton(AppState &state, MainForm &menu, FlatButton *esameAB, FlatButton *esameP)
{
    esameAB->setEnabled(false);
    if (state.revisione) {
        examFromAMButton(state, menu, esameP);
        esameP->setEnabled(false);
    } else if (drawPaper(state, menu, PaperKind::AB)) {
        state.revisione = true;
        sitExam(state, menu);
        state.revisione = false;
    }
    giveBack(esameAB);
}
