#include "narration/LinguaF.h"

#include "core/AppState.h"
#include "widgets/Controls.h"
#include "widgets/Design.h"

#include <QGuiApplication>
#include <QScreen>

QString flagPicture(int languageIndex)
{
    static const char *const pictures[] = {":/pictures/flag_it.svg", ":/pictures/flag_fr.svg",
                                           ":/pictures/flag_de.svg"};
    if (languageIndex < 0 || languageIndex > 2)
        return QString();
    return QString::fromLatin1(pictures[languageIndex]);
}

LinguaF::LinguaF(AppState &state, QWidget *parent) : QDialog(parent), m_state(state)
{
    setObjectName(QStringLiteral("LinguaF"));
    setWindowTitle(QStringLiteral("Seleziona lingua"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    Controls::setBackColor(this, Qt::white);
    setFixedSize(264, 65);

    for (int i = 0; i < 3; ++i) {
        ImageBox *flag = Controls::image(this, Design::arrayName(QStringLiteral("Bandiera"), i),
                                         QRect(8 + 88 * i, 8, 68, 44), flagPicture(i));
        flag->setCursor(Qt::PointingHandCursor);
        connect(flag, &ImageBox::clicked, this, [this, i] { choose(i); });
    }

    // A dialog keeps its design size and opens centred on the screen.
    if (const QScreen *screen = QGuiApplication::primaryScreen()) {
        QRect frame(QPoint(0, 0), size());
        frame.moveCenter(screen->availableGeometry().center());
        move(frame.topLeft());
    }
}

void LinguaF::choose(int languageIndex)
{
    m_state.languageIndex = languageIndex;
    accept();
}
