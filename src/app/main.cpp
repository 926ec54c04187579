#include "AppContext.h"
#include "MainWindow.h"

#include "ui/Prompter.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    Clock clock;
    QtPrompter prompter;
    AppContext ctx(QCoreApplication::applicationDirPath(), clock, prompter);
    ctx.singleInstanceName = QStringLiteral("岚丰销售-岚丰软件开发设计");

    int result = 0;
    {
        MainWindow window(ctx);
        prompter.setOwner(&window);
        if (!window.OnMainWindowCreated())
            return 0; // another copy runs
        window.show();
        result = app.exec();
        prompter.setOwner(nullptr);
    }
    ShutdownCleanup(ctx);
    return result;
}
