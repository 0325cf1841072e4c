// zedur-newdb [[--db] PATH [YYYY-MM]]: creates new books with every table, the starting chart
// of accounts and the open month (default: the current month): a new database file, or, for
// PATH postgresql://user@host[:port]/dbname, on an empty database of that server. Without a
// PATH the books go where the program beside this tool opens them (its folder, the user's
// data folder for an installed program, or the server its ZedUr.ini names).
#include "common/Failure.h"
#include "common/Messages.h"
#include "common/SystemInfo.h"
#include "store/Books.h"

#include <QCoreApplication>
#include <QDate>
#include <QRegularExpression>
#include <cstdio>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QStringList args = app.arguments();
    if (args.size() > 2 && args.at(1) == u"--db")
        args.removeAt(1);
    else if (args.size() > 1 && args.at(1).startsWith(QStringLiteral("--db=")))
        args[1] = args.at(1).mid(5);
    if (args.size() > 3 || (args.size() > 1 && args.at(1).startsWith(u'-'))) {
        std::fprintf(stderr, "usage: zedur-newdb [[--db] PATH|postgresql://user@host[:port]/dbname [YYYY-MM]]\n");
        return 2;
    }
    const QString path = args.size() > 1 ? args.at(1) : zedur::databasePath();
    QString month = args.size() == 3 ? args.at(2) : QDate::currentDate().toString(QStringLiteral("yyyy-MM"));
    const QRegularExpression shape(QStringLiteral("^(\\d{4})-(0[1-9]|1[0-2])$"));
    const auto match = shape.match(month);
    if (!match.hasMatch()) {
        std::fprintf(stderr, "zedur-newdb: month must be YYYY-MM, got %s\n", qPrintable(month));
        return 2;
    }
    try {
        zedur::createDatabase(path, {match.captured(1), match.captured(2)}, zedur::AuditValues::now());
    } catch (const zedur::Failure &e) {
        std::fprintf(stderr, "zedur-newdb: %s\n", qPrintable(zedur::plainLines(e.message())));
        return 1;
    }
    std::printf("created %s, open month %s\n", qPrintable(path), qPrintable(month));
    return 0;
}
