#include "runtime/window_icon.h"

#include "runtime/qstring_conversion.h"

#include <QApplication>
#include <QDir>
#include <QEvent>
#include <QIcon>
#include <QWidget>

#include <utility>

namespace runtime {
namespace {

// Watches the window for its first paint, sets the icon once that frame is
// done, and goes.
class IconAfterFirstFrame : public QObject
{
public:
    IconAfterFirstFrame(QWidget *window, QString iconFolder) : QObject(window), m_iconFolder(std::move(iconFolder))
    {
        window->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint) {
            watched->removeEventFilter(this);
            // Queued: the frame is finished and shown before the icon is read.
            QMetaObject::invokeMethod(this, &IconAfterFirstFrame::setIcon, Qt::QueuedConnection);
        }
        return QObject::eventFilter(watched, event);
    }

private:
    void setIcon()
    {
        QIcon icon;
        const QDir folder(m_iconFolder);
        for (const QString &file : folder.entryList(QDir::Files, QDir::Name))
            icon.addFile(folder.filePath(file));
        QApplication::setWindowIcon(icon);
        deleteLater();
    }

    QString m_iconFolder;
};

} // namespace

void setWindowIconAfterFirstFrame(QWidget *window, std::string_view iconFolder)
{
    new IconAfterFirstFrame(window, toQString(iconFolder));
}

} // namespace runtime
