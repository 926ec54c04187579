// A stand-in for a copy of the program: takes the single-instance marker of
// the given name exactly as the program does, prints what happened, and then
// waits until it is killed (or ends at once when another copy runs).

#include "app/SingleInstance.h"

#include <QCoreApplication>
#include <QThread>

#include <cstdio>

namespace {

class PrintingPrompter : public Prompter {
public:
    void message(const QString& text, const QString& caption, MessageIcon icon) override {
        std::printf("message|%s|%s|%d\n", text.toUtf8().constData(), caption.toUtf8().constData(),
                    static_cast<int>(icon));
        std::fflush(stdout);
    }
    std::optional<QString> inputText(const QString&, const QString&, bool, const QString&) override { return {}; }
    QString saveFileName(const QString&, const QString&, const QString&) override { return {}; }
    QString chooseFolder(const QString&, const QString&) override { return {}; }
    int runDialog(QDialog&) override { return 0; }
};

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    if (argc < 2)
        return 2;
    PrintingPrompter prompter;
    SingleInstance marker;
    if (!marker.EnsureSingleInstance(QString::fromUtf8(argv[1]), QStringLiteral("检测到已有相同程序运行，请勿多开！"),
                                     MessageIcon::Information, prompter))
        return 0;
    std::printf("running\n");
    std::fflush(stdout);
    for (int i = 0; i < 600; ++i)
        QThread::msleep(100);
    return 0;
}
