#include "runtime/application.h"

#include "runtime/form.h"
#include "runtime/no_display.h"
#include "runtime/platform_start_guard.h"
#include "runtime/qstring_conversion.h"
#include "runtime/start_hang_guard.h"
#include "runtime/window_icon.h"
#include "runtime/window_look.h"

#include <QAccessible>
#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

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
    StartHangGuard hangGuard(project.name);
    PlatformStartGuard startGuard(project.name);
    QApplication application(argc, argv);
    startGuard.release();
    // The accessibility bridge registers on the session bus when first
    // asked; asked here, a bus that never answers is told from the display.
    hangGuard.reached(StartStep::SessionBus);
    QAccessible::isActive();
    hangGuard.reached(StartStep::Window);
    describeApplication(project);
    QTranslator translator;
    speakFrench(application, translator);
    setApplicationLook();

    std::unique_ptr<Form> form = project.startupForm();
    form->load();
    setWindowIconAfterFirstFrame(form->widget(), project.iconFolder);
    form->show();
    hangGuard.release();
    return QApplication::exec();
}

} // namespace runtime
