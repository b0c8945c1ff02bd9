#pragma once

#include "widgets/FormBehaviour.h"

#include <QDateTime>
#include <QDialog>
#include <QVector>

struct AppState;
class FlatButton;
class ImageBox;
class LineWidget;
class QLabel;
class QTimer;
class ShapeWidget;

// The review screen: the whole paper four statements at a time, with the answers
// marked, the countdown going on, and "Chiudi Esame" that corrects the exam. After the
// correction it shows the verdict badge blinking, the right and wrong answers, the
// statements with errors first, and "Termina".
class EsameAM2 : public QDialog
{
    Q_OBJECT
public:
    // What Go returns: a slot to show (0-29), back to the statement shown, or the end.
    static constexpr int kBack = -1;
    static constexpr int kExamOver = -2;

    explicit EsameAM2(AppState &state, QWidget *parent = nullptr);
    ~EsameAM2() override;

    // Takes the exam's start time (invalid: no countdown), whether to correct at once
    // without asking, the answers ("V", "F" or a space per slot) and a time text to show
    // instead of the clock (empty for none); shows the screen modally and returns the
    // ReviewResult.
    int go(const QDateTime &startTime, bool forceCorrection, const QString &answers, const QString &timeText);
    // The same without the modal loop, for a screen shown on its own.
    void prepare(const QDateTime &startTime, bool forceCorrection, const QString &answers, const QString &timeText);

    int reviewResult() const { return m_result; }
    bool corrected() const { return m_corrected; }
    int topIndex() const { return m_topIndex; }
    const QString &answers() const { return m_answers; }
    const QString &marks() const { return m_marks; }

    // One tick of Timer1: the countdown before the correction, the blinking after it.
    void tick();

protected:
    void showEvent(QShowEvent *event) override;

private:
    void buildControls();
    void placeRowCorners();
    void firstActivation();
    void showRows();
    void scroll(int delta);
    void goBackTo(QWidget *clicked, int row);
    void modifica();
    void correct();
    void enlarge(int row);
    void closeEnlarged();
    void chooseLanguage(int languageIndex);
    void playRow(int row);
    void stopNarration();
    void leave(int result);
    QString recordOfSlot(int slot) const;

    AppState &m_state;
    FirstActivation m_firstActivation;
    QDateTime m_startTime;
    bool m_forceCorrection = false;
    QString m_answers;
    QString m_marks;
    QString m_timeText;
    bool m_corrected = false;
    int m_topIndex = 0;
    int m_result = 0;

    QVector<QLabel *> m_domLa;
    QVector<ImageBox *> m_img;
    QVector<QLabel *> m_testo;
    QVector<QLabel *> m_codice;
    QVector<ImageBox *> m_audio;
    QVector<QLabel *> m_rispV;
    QVector<QLabel *> m_rispF;
    QVector<ShapeWidget *> m_rett;
    QVector<ImageBox *> m_flags;
    ShapeWidget *m_shape3 = nullptr;
    LineWidget *m_lineaVero = nullptr;
    LineWidget *m_lineaFalso = nullptr;
    QLabel *m_tempoRim = nullptr;
    ShapeWidget *m_esitoS = nullptr;
    QLabel *m_esitoL = nullptr;
    FlatButton *m_modificaI = nullptr;
    FlatButton *m_confermaI = nullptr;
    FlatButton *m_salvaP = nullptr;
    ImageBox *m_stampa = nullptr;
    ImageBox *m_sfondo = nullptr;
    ShapeWidget *m_imgBrd = nullptr;
    QLabel *m_imgCor = nullptr;
    ImageBox *m_imgBig = nullptr;
    QLabel *m_txtBig = nullptr;
    ImageBox *m_audioII = nullptr;
    ShapeWidget *m_rettG = nullptr;
    QLabel *m_risp = nullptr;
    QTimer *m_timer = nullptr;
};
