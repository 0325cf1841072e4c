#include "closing/ui/BooksFileCheck.h"

#include "store/IntegrityCheckRecord.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QLocale>
#include <QProgressDialog>

namespace zedur {

IntegrityCheck checkBooksFile(QWidget *parent, const QString &booksFile, IntegrityCheckRecord &record)
{
    const qint64 expected = record.lastSteps();
    const QString size = QLocale(QLocale::Korean).formattedDataSize(QFileInfo(booksFile).size());
    QProgressDialog bar(QStringLiteral("장부 파일(%1)에 손상이 없는지 검사하는 중입니다.......").arg(size), QString(),
                        0, expected > 0 ? 100 : 0, parent);
    bar.setObjectName(QStringLiteral("BooksFileCheck"));
    bar.setWindowTitle(QStringLiteral("장부 검사"));
    bar.setWindowModality(Qt::ApplicationModal);
    bar.setMinimumDuration(500);
    bar.setValue(0);
    QElapsedTimer sinceRepaint;
    sinceRepaint.start();
    const IntegrityCheck check = checkIntegrity(booksFile, [&](qint64 steps) {
        if (sinceRepaint.elapsed() < 100)
            return;
        sinceRepaint.restart();
        if (expected > 0)
            bar.setValue(int(std::min<qint64>(99, steps * 100 / expected)));
        else
            bar.setValue(0); // lets the dialog appear once its minimum duration has passed
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    });
    if (check.damage.isEmpty() && QFileInfo(booksFile).isFile())
        record.passed(check.steps);
    return check;
}

} // namespace zedur
