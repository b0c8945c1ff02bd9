#pragma once

#include "TestFolder.h"
#include "TestServices.h"

#include "core/AppState.h"
#include "core/QuestionBank.h"
#include "exam/EsameAM2.h"
#include "widgets/ShapeWidget.h"

#include <QApplication>
#include <QLabel>
#include <QTimer>
#include <QtTest>

#include <functional>

// The right answers of the fixture's statements, by bank index 1 to 30.
inline const QString kFixtureRights = QStringLiteral("VFFVVFVFFVVFVFFVVFVFFVVFVFFVVF");

// A program folder, test services and an AppState whose exam paper holds the 30
// statements of a small bank in reverse order: slot s shows bank index 30 - s.
// Statement n reads "Affermazione n", in French "Affirmation n"; statement 12 shows
// figure 7, which the override folder supplies.
struct ExamFixture
{
    TestFolder folder;
    TestServices services;
    AppState state;

    explicit ExamFixture(bool abBank)
    {
        QStringList records{QStringLiteral("banca di prova")};
        for (int n = 1; n <= 30; ++n) {
            records << makeRecord(QStringLiteral("%1%2").arg(abBank ? 11 : 1, 2, 10, QLatin1Char('0')).arg(n, 3, 10, QLatin1Char('0')),
                                  1, n == 12 ? 7 : 0, kFixtureRights.at(n - 1),
                                  QStringLiteral("Affermazione %1\tAffirmation %1").arg(n), QLatin1Char(' '),
                                  QStringLiteral("%1").arg(n, 11, 10, QLatin1Char('0')));
        }
        (abBank ? state.bankAB : state.bankAM) = QuestionBank(records);
        state.revisione = abBank;
        state.services = services.services();
        for (int s = 0; s < 30; ++s)
            state.examPaper << qint16(30 - s);
        QImage figure(40, 30, QImage::Format_RGB32);
        figure.fill(Qt::darkGreen);
        QDir().mkpath(folder.file(QStringLiteral("IMG")));
        figure.save(folder.file(QStringLiteral("IMG/007.png")));
    }

    // The answers a candidate gives to statement n (bank index) to get it right or wrong.
    static QChar rightFor(int bankIndex) { return kFixtureRights.at(bankIndex - 1); }
};

template<typename T>
T *control(QWidget *form, const QString &name)
{
    T *w = form->findChild<T *>(name);
    if (!w)
        qWarning("no control %s", qPrintable(name));
    return w;
}

inline QColor textColorOf(const QWidget *w)
{
    return w->palette().color(QPalette::WindowText);
}

// Once a screen of type Screen has opened modally and finished its first activation
// (its Timer1 runs), runs check on it and then, if it is still open, leave, so a failed
// check cannot leave a test hanging.
template<typename Screen>
void whenScreenOpens(std::function<void(Screen *)> check, std::function<void(Screen *)> leave)
{
    auto *poll = new QTimer;
    poll->setInterval(5);
    QObject::connect(poll, &QTimer::timeout, [poll, check, leave] {
        auto *screen = qobject_cast<Screen *>(QApplication::activeModalWidget());
        if (!screen || !screen->template findChild<QTimer *>(QStringLiteral("Timer1"))->isActive())
            return;
        poll->stop();
        poll->deleteLater();
        check(screen);
        if (screen->isVisible())
            leave(screen);
    });
    poll->start();
}

// Runs check on the review screen once it has opened (and made any correction of its
// first activation), then closes it.
inline void whenReviewOpens(std::function<void(EsameAM2 *)> check)
{
    whenScreenOpens<EsameAM2>(std::move(check), [](EsameAM2 *review) { review->reject(); });
}
