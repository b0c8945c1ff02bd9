#include "exam/EsameAM.h"

#include "core/AppState.h"
#include "core/Figures.h"
#include "core/QuestionRecord.h"
#include "core/Scaling.h"
#include "exam/Correction.h"
#include "exam/Countdown.h"
#include "exam/EsameAM2.h"
#include "narration/LinguaF.h"
#include "narration/Narration.h"
#include "platform/Clock.h"
#include "platform/Dialogs.h"
#include "platform/Pause.h"
#include "platform/SettingsStore.h"
#include "widgets/Controls.h"
#include "widgets/Design.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QTimer>

using Design::twips;

namespace {

const QColor kBack = Design::bgr(0x00D7E6D1);
const QColor kInactive = Design::bgr(0x0091A599);
const QColor kRed = Design::bgr(0x000000FF);
const QColor kBand = Design::bgr(0x0099A591);
const QColor kInk = Design::bgr(0x00400B0E);

QFont arial(qreal size, bool bold = false)
{
    return Design::font(QStringLiteral("Arial"), size, bold);
}

} // namespace

EsameAM::EsameAM(AppState &state, QWidget *parent) : QDialog(parent), m_state(state)
{
    setObjectName(QStringLiteral("EsameAM"));
    setWindowTitle(QStringLiteral("Scheda"));
    Controls::setBackColor(this, kBack);
    coverScreen(this);

    m_state.languageIndex = 0;
    buildControls();
    if (m_state.revisione)
        m_tempoRim->setText(Countdown::text(Countdown::limitSeconds(true)));

    ScaleFormToScreen(this, m_state.screenScale);
    RememberPictureFrame(m_img);

    m_audioI->setVisible(m_state.narrationAvailable());
    m_autoAdvance = SettingsStore::number(QStringLiteral("AvanzaQ")) == 1;
    m_autoNarration = SettingsStore::number(QStringLiteral("AudioAut")) == 1;
    for (ImageBox *flag : std::as_const(m_flags))
        flag->setVisible(m_state.revisione);

    new KeyPreview(this, [this](QKeyEvent *e) { return onKey(e); });
}

EsameAM::~EsameAM()
{
    stopNarrationIfShown();
}

void EsameAM::buildControls()
{
    // Bands and panels first, so everything else lies on top of them.
    Controls::shape(this, QStringLiteral("Shape1"), twips(0, 1320, 15360, 810), ShapeWidget::Kind::Rectangle, kBand, kBand);
    Controls::shape(this, QStringLiteral("Shape3"), twips(0, 2130, 15360, 945), ShapeWidget::Kind::Rectangle, kBand, kBand);
    Controls::shape(this, QStringLiteral("Shape17"), twips(1950, 3105, 11580, 465), ShapeWidget::Kind::Rectangle, kBand,
                    kBand);
    Controls::shape(this, QStringLiteral("Shape18"), twips(525, 3735, 4650, 5880), ShapeWidget::Kind::Rectangle, Qt::white,
                    kBand);
    Controls::shape(this, QStringLiteral("Shape19"), twips(5520, 4560, 9255, 3015), ShapeWidget::Kind::Rectangle,
                    Qt::white, kBand);
    Controls::shape(this, QStringLiteral("Shape20"), twips(7800, 8160, 3480, 1500), ShapeWidget::Kind::Rectangle,
                    Qt::white, kBand);

    // The banner, designed one band lower and moved to the top edge.
    auto *header = Controls::image(this, QStringLiteral("header"), twips(0, 1320, 15360, 1320),
                                   QStringLiteral(":/pictures/exam_header.svg"));
    header->move(0, 0);

    static const char *const pageTitles[] = {"Domande da 1 a 10", "Domande da 11 a 20", "Domande da 21 a 30"};
    for (int i = 0; i < 3; ++i) {
        const QRect tab = twips(1230 + 4350 * i, 1380, 4305, 750);
        m_pageTabs << Controls::shape(this, Design::arrayName(QStringLiteral("PagS"), i), tab,
                                      ShapeWidget::Kind::Rectangle, Qt::white);
        const int titleHeight = 24;
        QLabel *title = Controls::label(this, Design::arrayName(QStringLiteral("Label1"), i),
                                        QRect(tab.x(), tab.y() + (tab.height() - titleHeight) / 2, tab.width(), titleHeight),
                                        QString::fromLatin1(pageTitles[i]), arial(14.25, true), Qt::AlignCenter);
        Controls::setTextColor(title, Design::bgr(0x0099A591));
        m_pageTitles << title;
        auto *area = Controls::image(this, Design::arrayName(QStringLiteral("PagI"), i), tab);
        connect(area, &ImageBox::clicked, this, [this, i] {
            if (m_currentSlot / 10 != i)
                showSlot(10 * i);
        });
    }

    for (int i = 0; i < 10; ++i) {
        const QRect box = twips(1230 + 1305 * i, 2235, 1245, 750);
        m_tabs << Controls::shape(this, Design::arrayName(QStringLiteral("DomnS"), i), box, ShapeWidget::Kind::Rectangle,
                                  Qt::white);
        QLabel *number = Controls::label(this, Design::arrayName(QStringLiteral("DomnL"), i),
                                         twips(1230 + 1305 * i, 2400, 1245, 375), QString::number(i + 1),
                                         arial(18, true), Qt::AlignCenter);
        m_tabNumbers << number;
        auto *area = Controls::image(this, Design::arrayName(QStringLiteral("DomnI"), i), box);
        connect(area, &ImageBox::clicked, this, [this, number] { showSlot(Design::tag(number).toInt() - 1); });
    }

    for (int i = 0; i < 30; ++i) {
        const QRect box = twips(2100 + 375 * i, 3195, 345, 285);
        m_strip << Controls::shape(this, Design::arrayName(QStringLiteral("RispS"), i), box, ShapeWidget::Kind::Rectangle,
                                   Qt::white);
        Design::setTag(m_strip.last(), QString());
        m_stripNumbers << Controls::label(this, Design::arrayName(QStringLiteral("RispL"), i), box, QString::number(i + 1),
                                          arial(12, true), Qt::AlignCenter);
    }

    m_img = Controls::image(this, QStringLiteral("Img"), twips(645, 3855, 4410, 5640));
    m_img->hide();
    m_testo = Controls::label(this, QStringLiteral("Testo"), twips(5640, 4680, 9015, 2775), QString(),
                              Design::font(QStringLiteral("Verdana"), 15.75));
    Controls::setTextColor(m_testo, kInk);
    m_prep = Controls::label(this, QStringLiteral("Prep"), twips(12240, 7800, 2535, 435), QStringLiteral(" Codice: "),
                             arial(14.25), Qt::AlignLeft | Qt::AlignVCenter, true);
    Controls::setBackColor(m_prep, Qt::white);

    Controls::shape(this, QStringLiteral("Shape22"), twips(11490, 3750, 3345, 675), ShapeWidget::Kind::Rectangle,
                    Qt::white);
    Controls::label(this, QStringLiteral("Label2"), twips(11580, 3840, 2700, 495), QStringLiteral("Domanda numero"),
                    arial(14.25, true), Qt::AlignLeft | Qt::AlignVCenter);
    m_domnA = Controls::label(this, QStringLiteral("DomnA"), twips(14220, 3780, 600, 615), QString(), arial(18, true),
                              Qt::AlignCenter);
    Controls::setTextColor(m_domnA, kRed);

    m_veroI = Controls::image(this, QStringLiteral("VeroI"), twips(8070, 8280, 1095, 1035),
                              QStringLiteral(":/pictures/exam_true.svg"));
    m_falsoI = Controls::image(this, QStringLiteral("FalsoI"), twips(9915, 8280, 1095, 1035),
                               QStringLiteral(":/pictures/exam_false.svg"));
    Controls::label(this, QStringLiteral("Label3"), twips(7920, 9330, 1395, 300), QStringLiteral("Vero"), arial(12, true),
                    Qt::AlignCenter);
    Controls::label(this, QStringLiteral("Label4"), twips(9765, 9330, 1395, 300), QStringLiteral("Falso"), arial(12, true),
                    Qt::AlignCenter);
    connect(m_veroI, &ImageBox::clicked, this, [this] { answer(true); });
    connect(m_falsoI, &ImageBox::clicked, this, [this] { answer(false); });
    m_line1 = Controls::line(this, QStringLiteral("Line1"), QLineF(), kInk, 6);
    m_line2 = Controls::line(this, QStringLiteral("Line2"), QLineF(), kInk, 6);
    m_line1->hide();
    m_line2->hide();

    Controls::label(this, QStringLiteral("Label5"), twips(9750, 9945, 1935, 495), QStringLiteral("Riepilogo Scheda"),
                    arial(9, true), Qt::AlignHCenter | Qt::AlignBottom);
    m_riepilogoI = Controls::image(this, QStringLiteral("RiepilogoI"), twips(10050, 10500, 1335, 810),
                                   QStringLiteral(":/pictures/exam_summary.svg"));
    connect(m_riepilogoI, &ImageBox::clicked, this, &EsameAM::summary);
    Controls::label(this, QStringLiteral("Label6"), twips(11970, 9945, 1665, 495), QStringLiteral("Domanda Precedente"),
                    arial(9, true), Qt::AlignHCenter | Qt::AlignBottom);
    auto *domPrec = Controls::image(this, QStringLiteral("DomPrec"), twips(12390, 10470, 825, 855),
                                    QStringLiteral(":/pictures/exam_prev.svg"));
    connect(domPrec, &ImageBox::clicked, this, &EsameAM::previous);
    Controls::label(this, QStringLiteral("Label7"), twips(13635, 9945, 1665, 495), QStringLiteral("Domanda Successiva"),
                    arial(9, true), Qt::AlignHCenter | Qt::AlignBottom);
    auto *domSuc = Controls::image(this, QStringLiteral("DomSuc"), twips(13890, 10470, 840, 855),
                                   QStringLiteral(":/pictures/exam_next.svg"));
    connect(domSuc, &ImageBox::clicked, this, &EsameAM::next);

    Controls::shape(this, QStringLiteral("Shape26"), twips(390, 9945, 2850, 1440), ShapeWidget::Kind::Rectangle, Qt::white,
                    kBand, 2);
    QLabel *clockCaption = Controls::label(this, QStringLiteral("Label10"), twips(495, 10020, 2640, 330),
                                           QStringLiteral(" TEMPO A DISPOSIZIONE"),
                                           Design::font(QStringLiteral("Verdana"), 8.25, true), Qt::AlignCenter);
    Controls::setTextColor(clockCaption, kInk);
    m_tempoRim = Controls::label(this, QStringLiteral("TempoRim"), twips(495, 10425, 2640, 615),
                                 Countdown::text(Countdown::limitSeconds(false)), arial(30), Qt::AlignCenter);

    Controls::label(this, QStringLiteral("Label9"), twips(3285, 9795, 2400, 330), QStringLiteral("Scheda Esame N."),
                    arial(9, true), Qt::AlignLeft | Qt::AlignVCenter);
    Controls::shape(this, QStringLiteral("Shape24"), twips(5700, 9795, 1500, 330), ShapeWidget::Kind::Rectangle, Qt::white);
    Controls::label(this, QStringLiteral("Label8"), twips(3285, 10350, 4500, 330),
                    QStringLiteral("Cognome e Nome del Candidato"), arial(9, true), Qt::AlignLeft | Qt::AlignVCenter);
    Controls::shape(this, QStringLiteral("Shape23"), twips(3285, 10695, 5715, 600), ShapeWidget::Kind::Rectangle,
                    Qt::white);

    m_audioI = Controls::image(this, QStringLiteral("AudioI"), twips(5520, 3840, 630, 630),
                               QStringLiteral(":/pictures/speaker.svg"));
    m_audioI->hide();
    connect(m_audioI, &ImageBox::clicked, this, &EsameAM::playNarration);

    for (int i = 0; i < 3; ++i) {
        auto *flag = Controls::image(this, Design::arrayName(QStringLiteral("Bandiera"), i),
                                     twips(12120 + 960 * i, 9120, 720, 450), flagPicture(i));
        flag->hide();
        connect(flag, &ImageBox::clicked, this, [this, i] { chooseLanguage(i); });
        m_flags << flag;
    }

    m_timer = new QTimer(this);
    m_timer->setObjectName(QStringLiteral("Timer1"));
    m_timer->setInterval(1000);
    connect(m_timer, &QTimer::timeout, this, &EsameAM::tick);
}

void EsameAM::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    m_firstActivation.onShow(this, [this] { firstActivation(); });
}

void EsameAM::firstActivation()
{
    showSlot(0);
    m_startTime = m_state.services.clock->now();
    m_timer->start();
}

void EsameAM::showSlot(int s)
{
    if (s == m_currentSlot || s < 0 || s >= m_strip.size())
        return;
    stopNarrationIfShown();

    const int page = s / 10;
    if (m_currentSlot < 0 || m_currentSlot / 10 != page) {
        for (QLabel *title : std::as_const(m_pageTitles))
            Controls::setTextColor(title, kInactive);
        Controls::setTextColor(m_pageTitles.at(page), kRed);
    }
    for (int b = 0; b < 10; ++b) {
        QLabel *number = m_tabNumbers.at(b);
        const int shown = page * 10 + b + 1;
        Design::setTag(number, shown);
        number->setText(QString::number(shown));
        Controls::setTextColor(number, kInactive);
        const QColor fill = m_strip.at(page * 10 + b)->fillColor();
        m_tabs.at(b)->setFillColor(fill);
        m_tabs.at(b)->setBorderColor(fill == Qt::white ? QColor(Qt::black) : fill);
    }
    Controls::setTextColor(m_tabNumbers.at(s % 10), kRed);
    m_domnA->setText(QString::number(s + 1));
    for (QLabel *number : std::as_const(m_stripNumbers))
        Controls::setTextColor(number, kInactive);
    Controls::setTextColor(m_stripNumbers.at(s), kRed);

    const QString line = m_state.examBank().contains(m_state.examPaper.value(s))
                             ? m_state.examBank().record(m_state.examPaper.value(s))
                             : QString();
    const QuestionRecord record(line);
    m_img->hide();
    const int figure = record.figureNumber();
    if (figure != 0)
        FitPictureInBox(LoadFigureBytes(figure, true), m_img);
    m_testo->setText(record.text(m_state.languageIndex));
    QString code = record.questionCode();
    if (figure > 0)
        code += QStringLiteral(" Fig. %1").arg(figure);
    m_prep->setText(code);
    Design::setTag(m_audioI, record.narrationTag());

    m_line1->hide();
    m_line2->hide();
    m_currentSlot = s;
    const QString given = Design::tag(m_strip.at(s)).toString();
    if (given == QLatin1String("V"))
        markTrue();
    else if (given == QLatin1String("F"))
        markFalse();
    if (m_autoNarration)
        playNarration();
}

void EsameAM::markTrue()
{
    mark(QStringLiteral("V"), m_veroI);
}

void EsameAM::markFalse()
{
    mark(QStringLiteral("F"), m_falsoI);
}

void EsameAM::mark(const QString &answer, ImageBox *button)
{
    if (m_currentSlot < 0)
        return;
    const QRect r = button->geometry();
    m_line1->setLine(QLineF(r.left() + 2, r.top() + 2, r.left() + r.width() - 3, r.top() + r.height() - 3));
    m_line2->setLine(QLineF(r.left() + r.width() - 3, r.top() + 2, r.left() + 2, r.top() + r.height() - 3));
    m_line1->show();
    m_line2->show();
    m_line1->raise();
    m_line2->raise();

    ShapeWidget *box = m_strip.at(m_currentSlot);
    Design::setTag(box, answer);
    box->setFillColor(kBack);
    box->setBorderColor(kBack);
    ShapeWidget *tab = m_tabs.at(m_currentSlot % 10);
    tab->setFillColor(kBack);
    tab->setBorderColor(kBack);
}

void EsameAM::answer(bool isTrue)
{
    if (isTrue)
        markTrue();
    else
        markFalse();
    if (m_autoAdvance) {
        m_state.services.pause->pause(500);
        next();
    }
}

void EsameAM::previous()
{
    if (m_currentSlot > 0)
        showSlot(m_currentSlot - 1);
}

void EsameAM::next()
{
    if (m_closing)
        return;
    if (m_currentSlot > 28)
        summary();
    else
        showSlot(m_currentSlot + 1);
}

QString EsameAM::answers() const
{
    QStringList tags;
    for (const ShapeWidget *box : m_strip)
        tags << Design::tag(box).toString();
    return answerString(tags);
}

void EsameAM::summary()
{
    if (m_closing || !m_riepilogoI->isEnabled())
        return;
    stopNarrationIfShown();
    m_riepilogoI->setEnabled(false);
    m_timer->stop();

    int result = 0;
    {
        EsameAM2 review(m_state, this);
        result = review.go(m_startTime, false, answers(), QString());
    }
    if (result == -2) {
        finish();
        return;
    }
    if (result >= 0)
        showSlot(result);
    m_riepilogoI->setEnabled(true);
    m_timer->start();
    tick();
}

void EsameAM::tick()
{
    if (m_closing)
        return;
    const int remaining = m_startTime.isValid()
                              ? Countdown::remainingSeconds(m_startTime, m_state.services.clock->now(),
                                                            Countdown::limitSeconds(m_state.revisione))
                              : 0;
    if (remaining >= 0) {
        m_tempoRim->setText(Countdown::text(remaining));
        return;
    }
    timeOut();
}

void EsameAM::timeOut()
{
    m_timer->stop();
    m_startTime = QDateTime();
    m_tempoRim->setText(Countdown::text(0));
    m_state.services.dialogs->message(this, Dialogs::Icon::Error, QStringLiteral("Tempo scaduto"));
    {
        EsameAM2 review(m_state, this);
        review.go(QDateTime(), true, answers(), QString());
    }
    finish();
}

void EsameAM::chooseLanguage(int languageIndex)
{
    const int s = m_currentSlot;
    m_currentSlot = -1;
    m_state.languageIndex = languageIndex;
    showSlot(s);
}

void EsameAM::playNarration()
{
    PlayNarration(m_state, Design::tag(m_audioI).toString());
}

void EsameAM::stopNarrationIfShown()
{
    if (m_audioI && m_audioI->isVisibleTo(this))
        StopNarration(m_state);
}

bool EsameAM::onKey(QKeyEvent *event)
{
    if (event->type() != QEvent::KeyPress)
        return false;
    const Qt::KeyboardModifiers mods = event->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier);
    if (mods != Qt::NoModifier)
        return false;
    switch (event->key()) {
    case Qt::Key_Escape:
        m_timer->stop();
        QCoreApplication::processEvents();
        QCoreApplication::processEvents();
        finish();
        return true;
    case Qt::Key_V:
    case Qt::Key_F:
        // A held key answers once, not once per repeat.
        if (!event->isAutoRepeat() && !m_closing && m_currentSlot >= 0)
            answer(event->key() == Qt::Key_V);
        return true;
    default:
        return false;
    }
}

void EsameAM::finish()
{
    m_closing = true;
    m_timer->stop();
    done(QDialog::Accepted);
}
