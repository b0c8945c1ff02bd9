#include "widgets/ClickWatcher.h"

#include <QMouseEvent>
#include <QWidget>

namespace {

class ClickWatcher : public QObject
{
public:
    ClickWatcher(QWidget *widget, std::function<void()> action) : QObject(widget), m_action(std::move(action))
    {
        widget->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() != QEvent::MouseButtonRelease)
            return false;
        auto *mouse = static_cast<QMouseEvent *>(event);
        auto *widget = static_cast<QWidget *>(watched);
        if (mouse->button() != Qt::LeftButton || !widget->isEnabled() || !widget->rect().contains(mouse->position().toPoint()))
            return false;
        m_action();
        return true;
    }

private:
    std::function<void()> m_action;
};

} // namespace

void onClick(QWidget *widget, std::function<void()> action)
{
    new ClickWatcher(widget, std::move(action));
}
