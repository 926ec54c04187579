#include "AllocatorTuning.h"
#include "AppContext.h"
#include "AppIcon.h"
#include "MainWindow.h"

#include "ui/Prompter.h"

#include <QApplication>
#include <QIcon>
#include <QPixmap>

int main(int argc, char** argv) {
    TuneAllocatorForLongLists();
    QApplication app(argc, argv);
    app.setWindowIcon(QIcon(QPixmap::fromImage(DrawAppIcon(256))));
    QGuiApplication::setDesktopFileName(QStringLiteral("xssj")); // ties the window to its menu entry
    Clock clock;
    QtPrompter prompter;
    AppContext ctx(QCoreApplication::applicationDirPath(), clock, prompter);
    ctx.singleInstanceName = QStringLiteral("岚丰销售-岚丰软件开发设计");

    int result = 0;
    {
        MainWindow window(ctx);
        prompter.setOwner(&window);
        // Another copy runs, or the login was cancelled: this one ends here.
        if (window.OnMainWindowCreated() == MainWindow::Start::Run) {
            window.show();
            result = app.exec();
        }
        prompter.setOwner(nullptr);
    }
    ShutdownCleanup(ctx);
    return result;
}
