#pragma once

#include <QObject>
#include <functional>

class QKeyEvent;
class QWidget;

// "Key preview": the form sees every key first while it is the active window.
// The handler gets key-down and key-up events (QEvent::KeyPress / KeyRelease) and
// returns true to consume the key.
class KeyPreview : public QObject
{
public:
    using Handler = std::function<bool(QKeyEvent *)>;
    KeyPreview(QWidget *form, Handler handler);
    ~KeyPreview() override;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QWidget *m_form;
    Handler m_handler;
    const QEvent *m_lastEvent = nullptr;
};

// "First activation": runs once, queued after the form is first shown, so the form
// paints before the work starts. Call from the form's showEvent.
class FirstActivation
{
public:
    void onShow(QObject *context, std::function<void()> work);
    bool pending() const { return !m_done; }

private:
    bool m_done = false;
};

// Covers the primary screen with a frameless window (no window manager needed).
void coverScreen(QWidget *form);
