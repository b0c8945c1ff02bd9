#pragma once

#include "widgets/FormBehaviour.h"

#include <QWidget>

struct AppState;
class FlatButton;
class ImageBox;
class QGroupBox;
class QKeyEvent;

// The main menu: both categories' menus, the wait banner, the narration speaker and
// the hidden switch of the revised exam. Closing it ends the program.
class MainForm : public QWidget
{
    Q_OBJECT
public:
    explicit MainForm(AppState &state, QWidget *parent = nullptr);
    ~MainForm() override;

    // The yellow "Attendi......" banner, shown in front while long work runs.
    void showWaitBanner();
    void hideWaitBanner();

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void buildControls();
    void firstActivation();
    bool loadBanks();
    bool onKey(QKeyEvent *event);
    void toggleRevisione();
    void showExitByAutoscuola();
    FlatButton *menuButton(QWidget *frame, const QString &name, int top, const QString &caption);

    AppState &m_state;
    FirstActivation m_firstActivation;
    QGroupBox *m_frameAB = nullptr;
    QGroupBox *m_frameP = nullptr;
    FlatButton *m_esameAB = nullptr;
    FlatButton *m_esameP = nullptr;
    FlatButton *m_argomentoAB = nullptr;
    FlatButton *m_argomentoP = nullptr;
    FlatButton *m_incrocio0 = nullptr;
    FlatButton *m_incrocio1 = nullptr;
    FlatButton *m_limVelocita = nullptr;
    FlatButton *m_attendi = nullptr;
    FlatButton *m_esci = nullptr;
    ImageBox *m_audioI = nullptr;
};

// Deletes every file in the program folder's "\TMP"; a missing folder is ignored.
void emptyTempFolder();
