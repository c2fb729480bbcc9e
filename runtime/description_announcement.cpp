#include "runtime/description_announcement.h"

#include "runtime/announcement.h"

#include <QEvent>
#include <QWidget>

namespace runtime {
namespace {

class FirstActivation : public QObject
{
public:
    explicit FirstActivation(QWidget *window) : QObject(window), m_window(window) {}

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched == m_window && event->type() == QEvent::WindowActivate) {
            announce(m_window->accessibleDescription().toStdString());
            m_window->removeEventFilter(this);
            deleteLater();
        }
        return QObject::eventFilter(watched, event);
    }

private:
    QWidget *m_window;
};

} // namespace

void announceDescriptionWhenFirstActive(QWidget *window)
{
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
    window->installEventFilter(new FirstActivation(window));
#else
    (void)window;
#endif
}

} // namespace runtime
