// Tarnwick: start the socket layer, build the main window and run it until it closes.

#include <QApplication>
#include <QCommandLineParser>
#include <memory>

#include "app/main_window.h"
#include "link/net_socket.h"
#include "ui/splash.h"
#include "ui/ui_service.h"

namespace {

// Shown when the socket layer cannot start; the program runs on without the network link.
constexpr char kSocketStartFailed[] = "Windows 套接字初始化失败。网口打印不可用";

}  // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tarnwick"));
    QApplication::setApplicationVersion(QStringLiteral("3.0C"));

    QCommandLineParser parser;
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption noSplash(QStringLiteral("no-splash"),
                                      QStringLiteral("Skip the start-up splash step."));
    parser.addOption(noSplash);
    parser.process(app);
    CSplashWnd::SetSplashEnabled(!parser.isSet(noSplash));

    if (NetStartup() == 0) {
        ShowMessage(nullptr, QString::fromUtf8(kSocketStartFailed));
    }

    // The window's destructor ends the program: links, monitor, plug watch, settings.
    auto window = std::make_unique<CQUENLORDlg>(QCoreApplication::applicationDirPath());
    window->exec();
    window.reset();
    return 0;
}
