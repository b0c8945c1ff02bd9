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

// Once the review screen has opened modally and finished its first activation, runs check on it and
// makes sure it closes afterwards, so a failed check cannot leave a test hanging.
inline void whenReviewOpens(std::function<void(EsameAM2 *)> check)
{
    auto *poll = new QTimer;
    poll->setInterval(5);
    QObject::connect(poll, &QTimer::timeout, [poll, check] {
        auto *review = qobject_cast<EsameAM2 *>(QApplication::activeModalWidget());
        // Timer1 runs once the first activation (and any correction it makes) is over.
        if (!review || !review->findChild<QTimer *>(QStringLiteral("Timer1"))->isActive())
            return;
        poll->stop();
        poll->deleteLater();
        check(review);
        if (review->isVisible())
            review->reject();
    });
    poll->start();
}
