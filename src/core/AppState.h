#pragma once

#include "core/ChapterTable.h"
#include "core/QuestionBank.h"
#include "core/Scaling.h"
#include "platform/Services.h"

#include <QString>
#include <QVector>

// The process-wide data every screen works on. The main form owns it and hands it
// to each screen; a test builds one on its own fixture.
struct AppState
{
    Services services;

    QuestionBank bankAB;
    QuestionBank bankAM;
    ChapterTable chaptersAB = ChapterTable::ab();
    ChapterTable chaptersAM = ChapterTable::am();

    // The 30 bank indices of the exam in progress, in the order shown.
    QVector<qint16> examPaper;
    // The bank indices a practice sheet works through.
    QVector<qint16> practiceList;

    // 0 Italian, 1 French, 2 German.
    int languageIndex = 0;

    ScreenScale screenScale;

    // The narration folder ("/media/disk/Tavri_Audio/"); empty when there is none.
    QString audioRoot;
    bool narrationAvailable() const { return !audioRoot.isEmpty(); }

    // True while the exam paper indexes the AB bank.
    bool revisione = false;

    const QuestionBank &examBank() const { return revisione ? bankAB : bankAM; }
};
