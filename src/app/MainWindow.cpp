#include "app/MainWindow.h"

#include "common/Messages.h"
#include "common/ErrorLog.h"
#include "common/SystemInfo.h"
#include "store/Db.h"
#include "store/StoreError.h"

#include <QLabel>

namespace zedur {

MainWindow::MainWindow(QWidget *parent) : QMainWindow(parent)
{
    setWindowTitle(QStringLiteral("제조원가 산출, 계산,  흐름의Report등을 테스트하는 프로젝트 프로그램입니다."));
    setFixedSize(790, 650);
    ChangeDateFormat(QStringLiteral("yyyy-MM-dd"));
    auto *label = new QLabel(QStringLiteral("제조원가 계산 프로그램"), this);
    label->setAlignment(Qt::AlignCenter);
    setCentralWidget(label);
    try {
        Db::openDefault();
    } catch (const StoreError &e) {
        msg::warning(connectionWarningText(databasePath()));
        LogError({QStringLiteral("procedure TMC_ZedUrMain_Form.FormCreate(Sender: TObject);"),
                  QStringLiteral("액세스[Access] DB의 화일오류"), e.className(), e.message()});
    }
}

} // namespace zedur
