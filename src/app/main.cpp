#include "app/SingleInstance.h"
#include "app/TMC_ZedUrMain_Form.h"
#include "common/ui/Desktop.h"

#include <QApplication>
#include <QFont>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("제조원가 계산"));
    // The screens were laid out for Gulim 13 px; NanumGothic is the Korean face at hand here.
    QFont font(QStringLiteral("NanumGothic"));
    font.setPixelSize(13);
    QApplication::setFont(font);
    zedur::useDesktop();

    zedur::SingleInstance instance;
    zedur::TMC_ZedUrMain_Form window;
    // A second start hands over to the first and ends, but only when the database is
    // there: without it every start runs on its own.
    if (window.connected() && instance.handOverToFirst())
        return 0;
    instance.serve(&window);
    window.show();
    return app.exec();
}
