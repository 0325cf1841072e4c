#include "app/MainWindow.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("제조원가 계산"));
    zedur::MainWindow window;
    window.show();
    return app.exec();
}
