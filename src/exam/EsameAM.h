#pragma once

#include "widgets/FormBehaviour.h"

#include <QDateTime>
#include <QDialog>
#include <QVector>

struct AppState;
class ImageBox;
class LineWidget;
class QKeyEvent;
class QLabel;
class QTimer;
class ShapeWidget;

// The exam question screen: one statement of ExamPaper at a time, the true and false
// buttons, three pages of ten statement tabs, the answer strip and the countdown. The
// main form's Revisione says whether the paper indexes the AB bank (20 minutes, the
// language flags) or the AM bank (25 minutes). Created afresh for every exam.
class EsameAM : public QDialog
{
    Q_OBJECT
public:
    explicit EsameAM(AppState &state, QWidget *parent = nullptr);
    ~EsameAM() override;

    // Shows the statement of slot s (0-29); nothing happens when it is already shown.
    void showSlot(int s);
    // Records "V" or "F" for the statement shown and draws the cross on its button.
    void markTrue();
    void markFalse();
    // One tick of the countdown: the clock shows the time left, or the exam times out.
    void tick();

    int currentSlot() const { return m_currentSlot; }
    // Risposte_: "V", "F" or a space per slot.
    QString answers() const;

protected:
    void showEvent(QShowEvent *event) override;

private:
    void buildControls();
    void firstActivation();
    bool onKey(QKeyEvent *event);
    void mark(const QString &answer, ImageBox *button);
    void answer(bool isTrue);
    void previous();
    void next();
    void summary();
    void timeOut();
    void chooseLanguage(int languageIndex);
    void playNarration();
    void stopNarrationIfShown();
    void finish();

    AppState &m_state;
    FirstActivation m_firstActivation;
    int m_currentSlot = -1;
    QDateTime m_startTime;
    bool m_autoAdvance = false;
    bool m_autoNarration = false;
    bool m_closing = false;

    QVector<QLabel *> m_pageTitles;
    QVector<ShapeWidget *> m_pageTabs;
    QVector<QLabel *> m_tabNumbers;
    QVector<ShapeWidget *> m_tabs;
    QVector<ShapeWidget *> m_strip;
    QVector<QLabel *> m_stripNumbers;
    QVector<ImageBox *> m_flags;
    ImageBox *m_img = nullptr;
    QLabel *m_testo = nullptr;
    QLabel *m_prep = nullptr;
    QLabel *m_domnA = nullptr;
    QLabel *m_tempoRim = nullptr;
    ImageBox *m_veroI = nullptr;
    ImageBox *m_falsoI = nullptr;
    ImageBox *m_riepilogoI = nullptr;
    ImageBox *m_audioI = nullptr;
    LineWidget *m_line1 = nullptr;
    LineWidget *m_line2 = nullptr;
    QTimer *m_timer = nullptr;
};
