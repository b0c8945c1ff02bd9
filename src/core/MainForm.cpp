#include "core/MainForm.h"

#include "core/AppState.h"
#include "core/Scaling.h"
#include "exam/ExamLauncher.h"
#include "narration/NarrationFolder.h"
#include "platform/Dialogs.h"
#include "platform/DriveRoots.h"
#include "platform/ProgramFolder.h"
#include "platform/SettingsStore.h"
#include "widgets/Controls.h"
#include "widgets/Design.h"

#include <QApplication>
#include <QDir>
#include <QKeyEvent>
#include <QScreen>

namespace {

const QColor kMenuBlue = Design::bgr(0x00FFFFC0);
const QColor kRevisedRed = Design::bgr(0x000000FF);

} // namespace

void emptyTempFolder()
{
    QDir folder(programPath(QStringLiteral("\\TMP")));
    const QStringList files = folder.entryList(QDir::Files | QDir::Hidden | QDir::System);
    for (const QString &name : files)
        folder.remove(name);
}

MainForm::MainForm(AppState &state, QWidget *parent) : QWidget(parent), m_state(state)
{
    setObjectName(QStringLiteral("MainF"));
    setWindowTitle(QStringLiteral("Scheda"));
    Controls::setBackColor(this, Qt::white);
    coverScreen(this);
    buildControls();

    const QScreen *screen = QGuiApplication::primaryScreen();
    const QSize size = screen ? screen->geometry().size() : QSize(1024, 768);
    m_state.screenScale = computeScreenScale(size.width(), size.height());
    ScaleFormToScreen(this, m_state.screenScale);
    m_audioI->move(m_audioI->x(), int(std::lround(719 * m_state.screenScale.factor)));

    new KeyPreview(this, [this](QKeyEvent *e) { return onKey(e); });
    emptyTempFolder();
}

MainForm::~MainForm() = default;

FlatButton *MainForm::menuButton(QWidget *frame, const QString &name, int top, const QString &caption)
{
    return Controls::button(frame, name, QRect(192, top, 329, 41), caption, Design::font(QStringLiteral("Arial"), 14.25, true),
                            kMenuBlue);
}

void MainForm::buildControls()
{
    const QFont frameFont = Design::font(QStringLiteral("Arial"), 14.25, true);

    Controls::image(this, QStringLiteral("Image1"), QRect(32, 104, 315, 246), QStringLiteral(":/pictures/menu_title.svg"));
    Controls::image(this, QStringLiteral("Image2"), QRect(168, 368, 305, 369), QStringLiteral(":/pictures/menu_road.svg"));

    m_frameAB = Controls::frame(this, QStringLiteral("FrameAB"), QRect(464, 32, 537, 273),
                                QStringLiteral("Patente A e B"), frameFont);
    m_esameAB = menuButton(m_frameAB, Design::arrayName(QStringLiteral("EsameABp"), 0), 24, QStringLiteral("Prova d'esame"));
    m_argomentoAB = menuButton(m_frameAB, QStringLiteral("ArgomentoAB"), 88, QStringLiteral("Esercitazione per argomento"));
    m_incrocio1 = menuButton(m_frameAB, Design::arrayName(QStringLiteral("IncrocioAB"), 1), 152, QStringLiteral("Incroci: esercizi"));
    m_limVelocita = menuButton(m_frameAB, QStringLiteral("LimVelocita"), 216, QStringLiteral("Limiti di velocità: esercizi"));
    Controls::image(m_frameAB, QStringLiteral("Image3"), QRect(8, 40, 168, 132), QStringLiteral(":/pictures/menu_car.svg"));
    m_frameAB->hide();

    m_frameP = Controls::frame(this, QStringLiteral("FrameP"), QRect(464, 384, 537, 209), QStringLiteral("Patente AM"),
                               frameFont);
    m_esameP = menuButton(m_frameP, Design::arrayName(QStringLiteral("EsamePp"), 0), 24, QStringLiteral("Prova d'esame"));
    connect(m_esameAB, &FlatButton::clicked, this, [this] { examFromABButton(m_state, *this, m_esameAB, m_esameP); });
    connect(m_esameP, &FlatButton::clicked, this, [this] { examFromAMButton(m_state, *this, m_esameP); });
    m_argomentoP = menuButton(m_frameP, QStringLiteral("ArgomentoP"), 88, QStringLiteral("Esercitazione per argomento"));
    m_incrocio0 = menuButton(m_frameP, Design::arrayName(QStringLiteral("IncrocioAB"), 0), 152,
                             QStringLiteral("Incroci: esercizi/soluzioni"));
    Controls::image(m_frameP, QStringLiteral("Image4"), QRect(8, 24, 184, 180), QStringLiteral(":/pictures/menu_moped.svg"));
    m_frameP->hide();

    m_esci = Controls::button(this, QStringLiteral("Esci"), QRect(656, 640, 329, 41), QStringLiteral("Uscita"),
                              Design::font(QStringLiteral("Arial"), 14.25, true), kMenuBlue);
    m_esci->hide();
    connect(m_esci, &FlatButton::clicked, this, [this] {
        m_esci->setEnabled(false);
        close();
    });

    auto *revisione = Controls::image(this, QStringLiteral("RevisioneI"), QRect(280, 464, 89, 89));
    connect(revisione, &ImageBox::clicked, this, &MainForm::toggleRevisione);

    m_audioI = Controls::image(this, QStringLiteral("AudioI"), QRect(152, 544, 42, 42), QStringLiteral(":/pictures/speaker.svg"));
    m_audioI->hide();

    auto *credits = Controls::frame(this, QStringLiteral("Frame1"), QRect(720, 696, 289, 57), QString(),
                                    Design::font(QStringLiteral("Comic Sans MS"), 12));
    const QFont creditFont = Design::font(QStringLiteral("Comic Sans MS"), 12);
    Controls::label(credits, QStringLiteral("Label1"), QRect(8, 8, 273, 21), QStringLiteral("TAVRI: quiz per la patente"),
                    creditFont, Qt::AlignRight | Qt::AlignVCenter);
    Controls::label(credits, QStringLiteral("Label2"), QRect(8, 30, 273, 21),
                    QStringLiteral("Versione %1.%2 - uso didattico").arg(TAVRI_VERSION_MAJOR).arg(TAVRI_VERSION_MINOR),
                    creditFont, Qt::AlignRight | Qt::AlignVCenter);

    m_attendi = Controls::button(this, QStringLiteral("Attendi"), QRect(62, 256, 900, 153), QStringLiteral("Attendi......"),
                                 Design::font(QStringLiteral("Arial"), 36, true), Design::bgr(0x0000FFFF));
    m_attendi->setFocusPolicy(Qt::NoFocus);
    m_attendi->hide();
}

void MainForm::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    m_firstActivation.onShow(this, [this] { firstActivation(); });
}

void MainForm::showWaitBanner()
{
    m_attendi->raise();
    m_attendi->show();
    repaint();
    QCoreApplication::processEvents();
}

void MainForm::hideWaitBanner()
{
    m_attendi->hide();
}

void MainForm::firstActivation()
{
    showWaitBanner();
    if (!loadBanks()) {
        close();
        return;
    }
    m_state.audioRoot = findNarrationRoot(driveRoots());
    m_audioI->setVisible(m_state.narrationAvailable());
    Design::setTag(m_audioI, m_state.audioRoot);

    m_frameAB->show();
    m_frameP->show();
    showExitByAutoscuola();
    hideWaitBanner();
    m_esameAB->setFocus();
}

bool MainForm::loadBanks()
{
    const struct
    {
        const char *file;
        QuestionBank *bank;
        const ChapterTable *chapters;
    } banks[] = {{"\\TAVRI.SET", &m_state.bankAB, &m_state.chaptersAB},
                 {"\\TAVRI_AM.SET", &m_state.bankAM, &m_state.chaptersAM}};
    for (const auto &b : banks) {
        const QString path = programPath(QString::fromLatin1(b.file));
        QString error;
        if (BankFile::load(path, b.bank, &error) && b.bank->lastIndex() < b.chapters->lastIndex()) {
            error = QStringLiteral("Il file delle domande \"%1\" è incompleto: ha %2 domande, ne servono %3.")
                        .arg(QDir::toNativeSeparators(path))
                        .arg(b.bank->lastIndex())
                        .arg(b.chapters->lastIndex());
        }
        if (!error.isEmpty()) {
            hideWaitBanner();
            m_state.services.dialogs->message(this, Dialogs::Icon::Error,
                                              error + QStringLiteral("\n\nIl programma verrà chiuso."));
            return false;
        }
    }
    return true;
}

bool MainForm::onKey(QKeyEvent *event)
{
    if (event->type() != QEvent::KeyPress)
        return false;
    const Qt::KeyboardModifiers mods = event->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier);
    const int key = event->key();
    const bool ctrlAlt = mods == (Qt::ControlModifier | Qt::AltModifier);
    if (key == Qt::Key_Escape || (key == Qt::Key_U && ctrlAlt)) {
        close();
        return true;
    }
    return false;
}

void MainForm::toggleRevisione()
{
    m_state.revisione = !m_state.revisione;
    const bool normal = !m_state.revisione;
    for (FlatButton *b : {m_esameP, m_argomentoP, m_incrocio0, m_incrocio1, m_argomentoAB, m_limVelocita})
        b->setEnabled(normal);
    const QColor face = normal ? kMenuBlue : kRevisedRed;
    m_esameAB->setBackColor(face);
    m_esameAB->setHoverColor(face);
}

void MainForm::showExitByAutoscuola()
{
    m_esci->setVisible(SettingsStore::number(QStringLiteral("Autoscuola")) == 0);
}

void MainForm::closeEvent(QCloseEvent *event)
{
    emptyTempFolder();
    QWidget::closeEvent(event);
}
