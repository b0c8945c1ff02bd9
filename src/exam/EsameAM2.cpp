#include "exam/EsameAM2.h"

#include "core/AppState.h"
#include "core/Figures.h"
#include "core/QuestionRecord.h"
#include "core/Scaling.h"
#include "widgets/ClickWatcher.h"
#include "exam/Correction.h"
#include "exam/Countdown.h"
#include "exam/ExamDraw.h"
#include "narration/LinguaF.h"
#include "narration/Narration.h"
#include "platform/Clock.h"
#include "platform/Dialogs.h"
#include "platform/ProgramFolder.h"
#include "platform/SettingsStore.h"
#include "widgets/Controls.h"
#include "widgets/Design.h"

#include <QCoreApplication>
#include <QDir>
#include <QKeyEvent>
#include <QTimer>
#include <cmath>

using Design::twips;

namespace {

const QColor kBack = Design::bgr(0x00D9C7FA);
const QColor kFrame = Design::bgr(0x00AE7ECC);
const QColor kFrameFill = Design::bgr(0x00D9C8FB);
const QColor kAnswerInk = Design::bgr(0x00AE7ECC);
const QColor kBlue = Design::bgr(0x00FF0000);
const QColor kGreen = Design::bgr(0x0000FF00);
const QColor kRed = Design::bgr(0x000000FF);
const QColor kYellow = Design::bgr(0x0000FFFF);
const QColor kInk = Design::bgr(0x00400B0E);
const QColor kButtonFace = Design::bgr(0x00FFFFC0);

constexpr int kRows = 4;
constexpr int kLastTopIndex = 26;

QFont arial(qreal size, bool bold = false)
{
    return Design::font(QStringLiteral("Arial"), size, bold);
}

QColor textColor(const QWidget *w)
{
    return w->palette().color(QPalette::WindowText);
}

} // namespace

EsameAM2::EsameAM2(AppState &state, QWidget *parent) : QDialog(parent), m_state(state)
{
    setObjectName(QStringLiteral("EsameAM2"));
    setWindowTitle(QStringLiteral("Scheda"));
    Controls::setBackColor(this, kBack);
    coverScreen(this);
    buildControls();
    placeRowCorners();

    ScaleFormToScreen(this, m_state.screenScale);
    for (ImageBox *img : std::as_const(m_img))
        RememberPictureFrame(img);

    // Unscaled: the click-catcher covers the whole form, the save button sits on "Chiudi Esame".
    m_sfondo->setGeometry(rect());
    m_salvaP->setGeometry(m_confermaI->geometry());
    for (ImageBox *flag : std::as_const(m_flags))
        flag->setVisible(m_state.revisione);

    // The review screen has no keys of its own; Esc must not close it behind the exam's back.
    new KeyPreview(this, [](QKeyEvent *e) { return e->key() == Qt::Key_Escape; });
}

EsameAM2::~EsameAM2()
{
    stopNarration();
}

void EsameAM2::buildControls()
{
    Controls::image(this, QStringLiteral("header"), twips(0, 0, 15360, 1320), QStringLiteral(":/pictures/exam_header.svg"));
    m_shape3 = Controls::shape(this, QStringLiteral("Shape3"), twips(150, 1350, 15060, 8400), ShapeWidget::Kind::Rectangle,
                               kFrameFill, kFrame, 3);

    const auto gridLine = [this](const QString &name, int x1, int y1, int x2, int y2) {
        return Controls::line(this, name, QLineF(x1 / 15.0, y1 / 15.0, x2 / 15.0, y2 / 15.0), kFrame, 2);
    };
    m_lineaVero = gridLine(QStringLiteral("LineaVero"), 12630, 1350, 12630, 9720);
    m_lineaFalso = gridLine(QStringLiteral("LineaFalso"), 13230, 1350, 13230, 9720);
    gridLine(Design::arrayName(QStringLiteral("Linea"), 0), 13830, 1350, 13830, 9720);
    const int cellEdges[] = {2700, 2100, 9000, 8400, 6900, 6300, 4800, 4200};
    for (int i = 0; i < 8; ++i)
        gridLine(Design::arrayName(QStringLiteral("Linea"), i + 1), 12630, cellEdges[i], 13830, cellEdges[i]);
    gridLine(Design::arrayName(QStringLiteral("Linea"), 13), 2160, 1350, 2160, 9720);
    const int rowEdges[][2] = {{14, 3450}, {15, 5550}, {17, 7650}};
    for (const auto &edge : rowEdges)
        gridLine(Design::arrayName(QStringLiteral("Linea"), edge[0]), 120, edge[1], 13830, edge[1]);

    for (int i = 0; i < kRows; ++i) {
        const int dy = 2100 * i;
        QLabel *testo = Controls::label(this, Design::arrayName(QStringLiteral("Testo"), i), twips(2280, 1470 + dy, 10215, 1815),
                                        QString(), arial(12, true));
        Controls::setBackColor(testo, Qt::white);
        m_testo << testo;
        onClick(testo, [this, testo, i] {
            if (m_corrected)
                enlarge(i);
            else
                goBackTo(testo, i);
        });

        auto *img = Controls::image(this, Design::arrayName(QStringLiteral("Img"), i), twips(300, 1800 + dy, 1740, 1560));
        img->hide();
        connect(img, &ImageBox::clicked, this, [this, i] { enlarge(i); });
        m_img << img;

        QLabel *number = Controls::label(this, Design::arrayName(QStringLiteral("DomLa"), i), twips(120, 1440 + dy, 525, 420),
                                         QString(), arial(15.75, true), Qt::AlignCenter);
        onClick(number, [this, number, i] {
            if (!m_corrected)
                goBackTo(number, i);
        });
        m_domLa << number;

        QLabel *code = Controls::label(this, Design::arrayName(QStringLiteral("Codice"), i), twips(0, 0, 1710, 255), QString(),
                                       Design::font(QStringLiteral("Arial"), 9.75, true), Qt::AlignRight | Qt::AlignVCenter);
        Controls::setBackColor(code, Qt::white);
        m_codice << code;

        auto *audio = Controls::image(this, Design::arrayName(QStringLiteral("AudioI"), i), twips(0, 0, 630, 630),
                                      QStringLiteral(":/pictures/speaker.svg"));
        audio->hide();
        connect(audio, &ImageBox::clicked, this, [this, i] { playRow(i); });
        m_audio << audio;

        auto *rett = Controls::shape(this, Design::arrayName(QStringLiteral("Rett"), i), twips(12630, 2100 + dy, 600, 600),
                                     ShapeWidget::Kind::Rectangle, kBlue, kBlue, 0);
        rett->hide();
        m_rett << rett;
        for (const bool isTrue : {true, false}) {
            QLabel *letter = Controls::label(this, Design::arrayName(isTrue ? QStringLiteral("RispV") : QStringLiteral("RispF"), i),
                                             twips(isTrue ? 12630 : 13230, 2175 + dy, 600, 405),
                                             isTrue ? QStringLiteral("V") : QStringLiteral("F"), arial(18, true),
                                             Qt::AlignCenter);
            Controls::setTextColor(letter, kAnswerInk);
            (isTrue ? m_rispV : m_rispF) << letter;
        }
    }

    auto *up = Controls::image(this, QStringLiteral("ScrolSu"), twips(13965, 3480, 1095, 1050),
                               QStringLiteral(":/pictures/exam_up.svg"));
    connect(up, &ImageBox::clicked, this, [this] { scroll(-1); });
    auto *down = Controls::image(this, QStringLiteral("ScrolGiu"), twips(13965, 5160, 1095, 1050),
                                 QStringLiteral(":/pictures/exam_down.svg"));
    connect(down, &ImageBox::clicked, this, [this] { scroll(1); });

    for (int i = 0; i < 3; ++i) {
        auto *flag = Controls::image(this, Design::arrayName(QStringLiteral("Bandiera"), i), twips(14160, 7680 + 720 * i, 720, 450),
                                     flagPicture(i));
        flag->hide();
        connect(flag, &ImageBox::clicked, this, [this, i] { chooseLanguage(i); });
        m_flags << flag;
    }

    Controls::shape(this, QStringLiteral("Shape26"), twips(120, 10050, 2640, 1365), ShapeWidget::Kind::Rectangle, QColor(),
                    Design::bgr(0x0099A591), 1);
    QLabel *clockCaption = Controls::label(this, QStringLiteral("Label10"), twips(180, 9960, 1980, 225),
                                           QStringLiteral(" TEMPO A DISPOSIZIONE"), Design::font(QStringLiteral("Verdana"), 6.75));
    Controls::setTextColor(clockCaption, kInk);
    Controls::setBackColor(clockCaption, kBack);
    clockCaption->setWordWrap(false);
    m_tempoRim = Controls::label(this, QStringLiteral("TempoRim"), twips(135, 10500, 2640, 615), QStringLiteral("30 : 00"),
                                 arial(30), Qt::AlignCenter);

    m_esitoS = Controls::shape(this, QStringLiteral("EsitoS"), twips(3360, 10200, 4020, 1110),
                               ShapeWidget::Kind::RoundedRectangle, Design::bgr(0x00C0E0FF), Qt::black, 2);
    m_esitoS->hide();
    m_esitoL = Controls::label(this, QStringLiteral("EsitoL"), twips(3525, 10290, 3690, 930), QString(), arial(20.25, true),
                               Qt::AlignCenter);
    m_esitoL->hide();

    m_modificaI = Controls::button(this, QStringLiteral("ModificaI"), twips(7920, 10440, 3135, 615),
                                   QStringLiteral("Ritorna alle Domande"), arial(12, true), kButtonFace);
    connect(m_modificaI, &FlatButton::clicked, this, &EsameAM2::modifica);
    m_confermaI = Controls::button(this, QStringLiteral("ConfermaI"), twips(11640, 10440, 3135, 615),
                                   QStringLiteral("Chiudi Esame"), arial(12, true), kButtonFace);
    connect(m_confermaI, &FlatButton::clicked, this, &EsameAM2::correct);
    // Saving a corrected sheet and printing the report are not part of this screen yet:
    // the two controls are shown by their rules and do nothing when clicked.
    m_salvaP = Controls::button(this, QStringLiteral("SalvaP"), twips(11640, 10440, 3135, 615), QStringLiteral("Salva"),
                                arial(12, true), kButtonFace);
    m_salvaP->hide();
    m_stampa = Controls::image(this, QStringLiteral("Stampa"), twips(12000, 150, 930, 975),
                               QStringLiteral(":/pictures/exam_printer.svg"));
    m_stampa->hide();

    // The enlarged view, hidden until a figure or (after the correction) a text is clicked.
    m_imgBrd = Controls::shape(this, QStringLiteral("ImgBrd"), QRect(), ShapeWidget::Kind::Rectangle, kBlue, kBlue, 0);
    m_imgCor = Controls::label(this, QStringLiteral("ImgCor"), QRect(), QString(), arial(12, true));
    Controls::setBackColor(m_imgCor, Qt::white);
    m_imgBig = Controls::image(this, QStringLiteral("ImgBig"), QRect());
    m_txtBig = Controls::label(this, QStringLiteral("TxtBig"), QRect(), QString(), arial(12, true));
    Controls::setBackColor(m_txtBig, Qt::white);
    m_sfondo = Controls::image(this, QStringLiteral("Sfondo"), QRect());
    connect(m_sfondo, &ImageBox::clicked, this, &EsameAM2::closeEnlarged);
    m_audioII = Controls::image(this, QStringLiteral("AudioII"), twips(0, 0, 720, 720), QStringLiteral(":/pictures/speaker.svg"));
    connect(m_audioII, &ImageBox::clicked, this, [this] { playRow(Design::tag(m_audioII).toInt()); });
    m_rettG = Controls::shape(this, QStringLiteral("RettG"), twips(0, 0, 600, 600), ShapeWidget::Kind::Rectangle, kBlue,
                              kBlue, 0);
    m_risp = Controls::label(this, QStringLiteral("Risp"), twips(0, 0, 600, 405), QStringLiteral("V"), arial(18, true),
                             Qt::AlignCenter);
    for (QWidget *w : std::initializer_list<QWidget *>{m_imgBrd, m_imgCor, m_imgBig, m_txtBig, m_sfondo, m_audioII, m_rettG, m_risp})
        w->hide();

    m_timer = new QTimer(this);
    m_timer->setObjectName(QStringLiteral("Timer1"));
    m_timer->setInterval(1000);
    connect(m_timer, &QTimer::timeout, this, &EsameAM2::tick);
}

// The code, and with narration the speaker left of it, sit in the bottom-right corner
// of each row's text.
void EsameAM2::placeRowCorners()
{
    const bool narration = m_state.narrationAvailable();
    for (int i = 0; i < kRows; ++i) {
        const QRect text = m_testo.at(i)->geometry();
        QLabel *code = m_codice.at(i);
        ImageBox *audio = m_audio.at(i);
        const int right = text.x() + text.width();
        const int bottom = text.y() + text.height();
        code->move(right - code->width(), bottom - code->height());
        if (narration) {
            audio->show();
            audio->move(right - audio->width() - 2, bottom - audio->height() - 2);
            code->move(right - audio->width() - code->width(), code->y());
        }
    }
}

int EsameAM2::go(const QDateTime &startTime, bool forceCorrection, const QString &answers, const QString &timeText)
{
    prepare(startTime, forceCorrection, answers, timeText);
    exec();
    return m_result;
}

void EsameAM2::prepare(const QDateTime &startTime, bool forceCorrection, const QString &answers, const QString &timeText)
{
    m_startTime = startTime;
    m_forceCorrection = forceCorrection;
    m_answers = answers.leftJustified(kPaperSlots, QLatin1Char(' '), true);
    m_timeText = timeText;
    m_result = 0;
}

void EsameAM2::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    m_firstActivation.onShow(this, [this] { firstActivation(); });
}

void EsameAM2::firstActivation()
{
    m_topIndex = 0;
    showRows();
    tick();
    if (m_forceCorrection && !m_corrected)
        correct();
    if (!m_timeText.isEmpty())
        m_tempoRim->setText(m_timeText);
    m_timer->start();
}

QString EsameAM2::recordOfSlot(int slot) const
{
    const QuestionBank &bank = m_state.examBank();
    const int index = m_state.examPaper.value(slot);
    return bank.contains(index) ? bank.record(index) : QString();
}

void EsameAM2::showRows()
{
    stopNarration();
    for (int i = 0; i < kRows; ++i) {
        const int k = m_topIndex + i;
        const QuestionRecord record(recordOfSlot(k));
        m_domLa.at(i)->setText(QString::number(k + 1));

        ImageBox *img = m_img.at(i);
        img->hide();
        const int figure = record.figureNumber();
        if (figure != 0)
            FitPictureInBox(LoadFigureBytes(figure, true), img);
        m_testo.at(i)->setText(record.text(m_state.languageIndex));
        QString code = record.questionCode();
        if (figure > 0)
            code += QStringLiteral(" Fig. %1").arg(figure);
        m_codice.at(i)->setText(code + QLatin1Char(' '));
        Design::setTag(m_audio.at(i), record.narrationTag());

        ShapeWidget *rett = m_rett.at(i);
        rett->hide();
        Controls::setTextColor(m_rispV.at(i), kAnswerInk);
        Controls::setTextColor(m_rispF.at(i), kAnswerInk);
        const QChar given = k < m_answers.size() ? m_answers.at(k) : QLatin1Char(' ');
        const QChar mark = m_corrected && k < m_marks.size() ? m_marks.at(k) : QChar();
        for (const bool isTrue : {true, false}) {
            if (given != (isTrue ? QLatin1Char('V') : QLatin1Char('F')))
                continue;
            const LineWidget *column = isTrue ? m_lineaVero : m_lineaFalso;
            rett->move(int(std::lround(column->x1())), rett->y());
            rett->show();
            const QColor letter = !m_corrected || mark == QLatin1Char('B') ? QColor(Qt::white) : QColor(Qt::black);
            Controls::setTextColor(isTrue ? m_rispV.at(i) : m_rispF.at(i), letter);
        }
        if (m_corrected) {
            const QColor fill = mark == QLatin1Char('V') ? kGreen : mark == QLatin1Char('R') ? kRed : kBlue;
            rett->setFillColor(fill);
            rett->setBorderColor(fill);
        }
    }
}

void EsameAM2::scroll(int delta)
{
    const int top = m_topIndex + delta;
    if (top < 0 || top > kLastTopIndex)
        return;
    m_topIndex = top;
    showRows();
}

void EsameAM2::goBackTo(QWidget *clicked, int row)
{
    clicked->setEnabled(false);
    m_timer->stop();
    QCoreApplication::processEvents();
    leave(m_topIndex + row);
}

void EsameAM2::modifica()
{
    m_modificaI->setEnabled(false);
    m_timer->stop();
    QCoreApplication::processEvents();
    leave(m_corrected ? kExamOver : kBack);
}

void EsameAM2::leave(int result)
{
    m_result = result;
    m_timer->stop();
    done(QDialog::Accepted);
}

void EsameAM2::tick()
{
    if (m_corrected) {
        m_esitoL->setVisible(!m_esitoL->isVisible());
        m_esitoS->setVisible(m_esitoL->isVisible());
        return;
    }
    int remaining = m_startTime.isValid()
                        ? Countdown::remainingSeconds(m_startTime, m_state.services.clock->now(),
                                                      Countdown::limitSeconds(m_state.revisione))
                        : 0;
    if (remaining < 0) {
        m_timer->stop();
        m_startTime = QDateTime();
        m_tempoRim->setText(Countdown::text(0));
        m_state.services.dialogs->message(this, Dialogs::Icon::Error, QStringLiteral("Tempo scaduto"));
        m_forceCorrection = true;
        correct();
        remaining = 0;
        if (m_corrected)
            return;
    }
    m_tempoRim->setText(Countdown::text(remaining));
}

void EsameAM2::correct()
{
    stopNarration();
    closeEnlarged();
    m_confermaI->setEnabled(false);
    if (!m_forceCorrection) {
        const QMessageBox::StandardButton reply = m_state.services.dialogs->message(
            this, Dialogs::Icon::Question,
            QStringLiteral("Sei sicuro di voler confermare tutte le risposte date? Con OK non avrai più la possibilità di "
                           "modificarle."),
            QMessageBox::Ok | QMessageBox::Cancel, QMessageBox::Cancel);
        // The clock keeps running while the question is open: if the time ran out
        // meanwhile, the exam has been corrected already and must not be corrected twice.
        if (m_corrected)
            return;
        if (reply != QMessageBox::Ok) {
            m_confermaI->setEnabled(true);
            return;
        }
    }
    m_confermaI->hide();
    m_timer->stop();
    QCoreApplication::processEvents();

    const Correction c = correctExam(m_state.examPaper, m_state.examBank(), m_answers);
    m_answers = c.answers;
    m_marks = c.marks;
    m_esitoL->setText(c.resultText());
    Controls::setTextColor(m_esitoL, c.passed() ? QColor(Qt::black) : kYellow);
    m_esitoS->setFillColor(c.passed() ? kGreen : kRed);
    if (c.errors > 0) {
        putErrorsFirst(m_state.examPaper, m_answers, m_marks);
        m_topIndex = 0;
    }
    m_result = kExamOver;

    if (!m_corrected) {
        m_modificaI->setText(QStringLiteral("Termina"));
        const QString saveFolder = programPath(m_state.revisione ? QStringLiteral("\\datiABrev") : QStringLiteral("\\datiAM"));
        if (QDir(saveFolder).exists()) {
            m_salvaP->setGeometry(m_confermaI->geometry());
            m_salvaP->show();
        } else {
            QFont font = m_modificaI->font();
            font.setPointSizeF(std::nearbyint(18 * m_state.screenScale.factor));
            m_modificaI->setFont(font);
            m_modificaI->resize(m_modificaI->width() * 2, m_modificaI->height());
        }
    }
    m_corrected = true;
    m_stampa->setVisible(SettingsStore::number(QStringLiteral("Stampa")) != 0 ||
                         SettingsStore::number(QStringLiteral("Autoscuola")) == 0);
    showRows();
    m_timer->setInterval(500);
    m_timer->start();
}

void EsameAM2::enlarge(int row)
{
    stopNarration();
    if (m_sfondo->isVisible()) {
        closeEnlarged();
        return;
    }
    const double f = m_state.screenScale.factor;
    const auto scaled = [f](double v) { return int(std::lround(v * f)); };
    ImageBox *img = m_img.at(row);
    const std::optional<PictureFrame> frame = PictureFrame::fromTag(Design::tag(img).toString());
    const int h = frame ? qint16(frame->height) : 0;

    for (QWidget *w : std::initializer_list<QWidget *>{m_imgBrd, m_imgCor, m_imgBig, m_txtBig, m_sfondo, m_audioII, m_rettG, m_risp})
        w->raise();

    const QRect shape = m_shape3->geometry();
    const int borderHeight = 3 * h + scaled(7);
    const int borderTop = row < 2 ? shape.y() : shape.y() + shape.height() - borderHeight;
    m_imgBrd->setGeometry(shape.x(), borderTop, shape.width(), borderHeight);

    m_imgBig->setPicture(img->picture());
    m_imgBig->setGeometry(m_imgBrd->x() + scaled(3), m_imgBrd->y() + scaled(3), 3 * img->width(), 3 * img->height());

    QFont big = m_testo.at(0)->font();
    big.setPointSizeF(big.pointSizeF() * 1.5);
    m_txtBig->setFont(big);
    m_txtBig->setText(m_testo.at(row)->text());
    const int textLeft = img->isVisibleTo(this) ? m_imgBig->x() + m_imgBig->width() + scaled(3) : m_imgBig->x();
    m_txtBig->setGeometry(textLeft, m_imgBig->y(), m_imgBrd->x() + m_imgBrd->width() - textLeft - scaled(4), 3 * h);

    m_imgCor->setGeometry(m_imgBig->x(), m_imgBig->y(), m_imgBig->width(), m_txtBig->height());
    if (m_imgCor->height() > m_imgBig->height())
        m_imgBig->move(m_imgBig->x(), m_imgBig->y() + (m_imgCor->height() - m_imgBig->height()) / 2);

    Design::setTag(m_audioII, row);
    m_audioII->move(m_txtBig->x() + m_txtBig->width() - m_audioII->width() - scaled(2),
                    m_txtBig->y() + m_txtBig->height() - m_audioII->height() - scaled(2));
    m_audioII->setVisible(m_audio.at(0)->isVisibleTo(this));

    ShapeWidget *rett = m_rett.at(row);
    if (rett->isVisibleTo(this)) {
        const int shift = m_audioII->isVisibleTo(this) ? m_audioII->width() : 0;
        m_rettG->move(m_audioII->x() + (m_audioII->width() - m_rettG->width()) / 2 - shift,
                      m_audioII->y() + (m_audioII->height() - m_rettG->height()) / 2);
        m_rettG->setFillColor(rett->fillColor());
        m_rettG->setBorderColor(rett->fillColor());
        m_rettG->show();
        m_risp->move(m_rettG->x(), m_rettG->y() + m_rispV.at(0)->y() - m_rett.at(0)->y());
        const bool falseChosen = textColor(m_rispV.at(row)) == kAnswerInk;
        m_risp->setText(falseChosen ? QStringLiteral("F") : QStringLiteral("V"));
        Controls::setTextColor(m_risp, textColor(falseChosen ? m_rispF.at(row) : m_rispV.at(row)));
        m_risp->show();
    }

    m_imgBrd->show();
    m_imgBig->setVisible(img->isVisibleTo(this));
    m_txtBig->show();
    m_sfondo->show();
    m_imgCor->show();
}

void EsameAM2::closeEnlarged()
{
    stopNarration();
    for (QWidget *w : std::initializer_list<QWidget *>{m_sfondo, m_txtBig, m_imgBig, m_imgBrd, m_audioII, m_rettG, m_risp, m_imgCor})
        w->hide();
}

void EsameAM2::chooseLanguage(int languageIndex)
{
    m_state.languageIndex = languageIndex;
    showRows();
}

void EsameAM2::playRow(int row)
{
    if (row >= 0 && row < kRows)
        PlayNarration(m_state, Design::tag(m_audio.at(row)).toString());
}

void EsameAM2::stopNarration()
{
    if (m_state.narrationAvailable())
        StopNarration(m_state);
}
