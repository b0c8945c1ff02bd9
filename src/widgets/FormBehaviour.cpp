#include "widgets/FormBehaviour.h"

#include <QApplication>
#include <QKeyEvent>
#include <QScreen>
#include <QTimer>
#include <QWidget>

KeyPreview::KeyPreview(QWidget *form, Handler handler)
    : QObject(form), m_form(form), m_handler(std::move(handler))
{
    qApp->installEventFilter(this);
}

KeyPreview::~KeyPreview()
{
    qApp->removeEventFilter(this);
}

bool KeyPreview::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::KeyPress && event->type() != QEvent::KeyRelease)
        return false;
    if (!watched->isWidgetType() || static_cast<QWidget *>(watched)->window() != m_form)
        return false;
    // A key that a child ignores travels on to its parents, ignored; the form sees it once.
    if (event == m_lastEvent && !event->isAccepted())
        return false;
    m_lastEvent = event;
    return m_handler(static_cast<QKeyEvent *>(event));
}

void FirstActivation::onShow(QObject *context, std::function<void()> work)
{
    if (m_done)
        return;
    m_done = true;
    QTimer::singleShot(0, context, std::move(work));
}

void coverScreen(QWidget *form)
{
    form->setWindowFlags(form->windowFlags() | Qt::FramelessWindowHint);
    QScreen *screen = QGuiApplication::primaryScreen();
    if (screen)
        form->setGeometry(screen->geometry());
}
