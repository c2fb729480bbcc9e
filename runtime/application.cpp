#include "runtime/application.h"

#include "runtime/form.h"
#include "runtime/no_display.h"
#include "runtime/platform_start_guard.h"
#include "runtime/qstring_conversion.h"
#include "runtime/window_look.h"

#include <QApplication>
#include <QDir>
#include <QEvent>
#include <QIcon>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <QWidget>

#include <utility>

namespace runtime {
namespace {

void describeApplication(const ProjectRecord &project)
{
    QApplication::setApplicationName(toQString(project.name));
    // No display name: Qt would append it to every window title, and the
    // window's caption is exactly what its description says.
    QApplication::setApplicationVersion(toQString(project.version));
    QApplication::setDesktopFileName(toQString(project.desktopId));
}

// Gives the application its window icon once the window has painted its
// first frame: the toolkit's first image read looks through all its image
// format plugins, which would otherwise hold that frame back. A desktop
// takes the icon from the window whenever it is set.
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

// The program speaks French: the toolkit's own texts (a text box's context
// menu, say) follow when Qt's French translations are installed. Numbers
// still follow the system locale.
void speakFrench(QApplication &application, QTranslator &translator)
{
    QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
    if (translator.load(QLocale(QLocale::French), QStringLiteral("qtbase"), QStringLiteral("_"),
                        QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        application.installTranslator(&translator);
}

} // namespace

int run(int &argc, char **argv, const ProjectRecord &project)
{
    // Without a display Qt would abort with a core dump; say it in one line.
    if (!displayNamed(argc, argv)) {
        reportNoDisplay(project.name, NoDisplay::NoneNamed);
        return 1;
    }
    PlatformStartGuard startGuard(project.name);
    QApplication application(argc, argv);
    startGuard.release();
    describeApplication(project);
    QTranslator translator;
    speakFrench(application, translator);
    setApplicationLook();

    std::unique_ptr<Form> form = project.startupForm();
    form->load();
    new IconAfterFirstFrame(form->widget(), toQString(project.iconFolder));
    form->show();
    return QApplication::exec();
}

} // namespace runtime
