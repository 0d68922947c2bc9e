#include <QApplication>
#include <QLabel>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QLabel window(QStringLiteral("Tarnwick V3.0C"));
    window.setWindowTitle(QStringLiteral("Tarnwick V3.0C"));
    window.resize(400, 120);
    window.show();
    return app.exec();
}
