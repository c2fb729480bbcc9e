#include "runtime/announcement.h"

#include "runtime/qstring_conversion.h"

#include <QAccessible>
#include <QAccessibleObject>
#include <QCoreApplication>
#include <QPointer>

namespace runtime {
namespace {

// The object whose text a screen reader is told. It is no widget and sits in
// no window: nothing on screen changes, and no control's name, description
// or focus is touched.
class Announcer : public QObject
{
public:
    explicit Announcer(QObject *parent) : QObject(parent) {}

    QString text;
};

// Read by screen readers as a notification: its name is the text, and
// showing it is what makes them speak. AT-SPI bridges pass a notification
// being shown on at once; they drop alerts and description changes, or carry
// them without their text.
class AnnouncerAccessible : public QAccessibleObject
{
public:
    explicit AnnouncerAccessible(Announcer *announcer) : QAccessibleObject(announcer) {}

    QAccessibleInterface *parent() const override
    {
        return QAccessible::queryAccessibleInterface(QCoreApplication::instance());
    }
    QAccessibleInterface *child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface *) const override { return -1; }

    QString text(QAccessible::Text t) const override
    {
        const auto *announcer = static_cast<Announcer *>(object());
        return announcer && t == QAccessible::Name ? announcer->text : QString();
    }
    QAccessible::Role role() const override { return QAccessible::Notification; }
    QAccessible::State state() const override { return {}; }
};

QAccessibleInterface *announcerFactory(const QString & /*className*/, QObject *object)
{
    if (auto *announcer = dynamic_cast<Announcer *>(object))
        return new AnnouncerAccessible(announcer);
    return nullptr;
}

// One for the whole run, owned by the application object and made the first
// time there is something to tell. The factory is installed after the
// application object exists, so that it comes before the toolkit's own.
Announcer *announcer()
{
    static QPointer<Announcer> instance;
    if (!instance) {
        QAccessible::installFactory(announcerFactory);
        instance = new Announcer(QCoreApplication::instance());
    }
    return instance;
}

} // namespace

void announce(const std::string &text)
{
    // No screen reader listening: nothing to build, nothing to send.
    if (!QCoreApplication::instance() || !QAccessible::isActive())
        return;
    Announcer *target = announcer();
    const QString newText = toQString(text);
    if (newText != target->text) {
        target->text = newText;
        // Screen readers keep the name they last read: they are told it changed.
        QAccessibleEvent renamed(target, QAccessible::NameChanged);
        QAccessible::updateAccessibility(&renamed);
    }
    QAccessibleEvent shown(target, QAccessible::ObjectShow);
    QAccessible::updateAccessibility(&shown);
}

} // namespace runtime
