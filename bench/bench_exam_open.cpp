// The time from a click on "Prova d'esame" (AM) to the first statement on show: the
// draw, the exam screen built and scaled, shown and its first statement drawn. Beside
// it, the baseline: a click on a button that opens a bare full-screen dialog the same
// way and waits for its first activation.
#include "core/AppState.h"
#include "core/MainForm.h"
#include "exam/EsameAM.h"
#include "platform/RealServices.h"
#include "widgets/FlatButton.h"
#include "widgets/FormBehaviour.h"

#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTimer>
#include <benchmark/benchmark.h>

#include <functional>

namespace {

// A bank filling every AM chapter: stems of four statements, a figure on every other.
QuestionBank amBank(const ChapterTable &table)
{
    QStringList records{QStringLiteral("banca")};
    for (int c = 0; c < table.count(); ++c) {
        const ChapterRange range = table.rangeAt(c);
        for (int i = range.first; i <= range.last; ++i) {
            const int offset = i - range.first;
            records << QStringLiteral("%1%2 %3 %4 V                 Affermazione di prova numero %5")
                           .arg(c + 1, 2, 10, QLatin1Char('0'))
                           .arg(offset / 4 + 1, 3, 10, QLatin1Char('0'))
                           .arg(offset % 4 + 1, 2, 10, QLatin1Char('0'))
                           .arg(i % 2 ? (i / 2) % 999 + 1 : 0, 3, 10, QLatin1Char('0'))
                           .arg(i);
        }
    }
    return QuestionBank(records);
}

// A full-screen dialog with nothing on it but its first activation.
class BareScreen : public QDialog
{
public:
    BareScreen()
    {
        coverScreen(this);
    }
    bool activated = false;

protected:
    void showEvent(QShowEvent *event) override
    {
        QDialog::showEvent(event);
        m_first.onShow(this, [this] { activated = true; });
    }

private:
    FirstActivation m_first;
};

// Clicks the button, stops the clock as soon as shown() holds for the modal screen the
// click opened, closes that screen, and returns the seconds.
double timeClick(FlatButton *button, const std::function<bool(QWidget *)> &shown)
{
    QElapsedTimer timer;
    double seconds = 0;
    QTimer poll;
    poll.setInterval(0);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        QWidget *modal = QApplication::activeModalWidget();
        if (!modal || !shown(modal))
            return;
        seconds = timer.nsecsElapsed() / 1e9;
        poll.stop();
        static_cast<QDialog *>(modal)->reject();
    });
    poll.start();
    timer.start();
    button->click();
    return seconds;
}

struct Setup
{
    QTemporaryDir home;
    RealServices real;
    AppState state;
    std::unique_ptr<MainForm> menu;

    Setup()
    {
        qputenv("TAVRI_HOME", home.path().toLocal8Bit());
        state.services = real.services();
        state.bankAM = amBank(state.chaptersAM);
        menu = std::make_unique<MainForm>(state);
    }
};

void BM_ClickToFirstStatement(benchmark::State &state)
{
    Setup s;
    auto *button = s.menu->findChild<FlatButton *>(QStringLiteral("EsamePp(0)"));
    for (auto _ : state) {
        state.SetIterationTime(timeClick(button, [](QWidget *w) {
            auto *exam = qobject_cast<EsameAM *>(w);
            return exam && exam->currentSlot() == 0;
        }));
    }
}

void BM_BaselineClickToBareScreen(benchmark::State &state)
{
    Setup s;
    FlatButton button;
    QObject::connect(&button, &FlatButton::clicked, [] {
        BareScreen screen;
        screen.exec();
    });
    for (auto _ : state) {
        state.SetIterationTime(timeClick(&button, [](QWidget *w) {
            auto *bare = dynamic_cast<BareScreen *>(w);
            return bare && bare->activated;
        }));
    }
}

} // namespace

BENCHMARK(BM_ClickToFirstStatement)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BaselineClickToBareScreen)->UseManualTime()->Unit(benchmark::kMillisecond);

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir config;
    qputenv("XDG_CONFIG_HOME", config.path().toLocal8Bit());
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
