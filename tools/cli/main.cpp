// zedur-cli: the allocation, the monthly close, the state of the open month, any report of
// any month as a spreadsheet and the ties between a month's reports, from the command line,
// on the same engines and rules as the program's screens.
#include "CliCommands.h"
#include "ImportCommand.h"

#include "common/SystemInfo.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <cstdio>

namespace {

const char *const Help = R"(사용법: zedur-cli [--db 위치] 명령 [보고서] [YYYY-MM] [--out 파일]
       zedur-cli copy --from 위치 --to 위치
       zedur-cli [--db 위치] import 종류 파일 [--check] [--update]
       zedur-cli [--db 위치] restore 백업화일

명령:
  status             열려 있는 월과 그 상태를 보여 줍니다.
  allocate YYYY-MM   그 월의 노무비와 제조경비를 배부하고 제품과 매출원가까지 계산합니다.
  close YYYY-MM      그 월을 마감하고 남은 재고를 다음 월로 이월합니다 (먼저 백업합니다).
  export 보고서 YYYY-MM [--out 파일]
                     그 월의 보고서를 화면의 엑셀 버튼과 같은 .xlsx 파일로 씁니다
                     (기본: Data_Save/ 아래 새 파일). 보고서 이름은 아래와 같습니다.
                     product-trend는 그 월까지 12개월의 추이입니다.
  verify YYYY-MM     그 월의 보고서끼리 맞아야 하는 금액을 대조하여 하나하나 두 금액과 함께
                     보여 줍니다. 마감된 월은 다음 월의 이월 금액과도 대조합니다.
                     또 그 월의 행마다 계산된 값(투입 금액, 완성율 금액, 배부액, 제품 원가,
                     매출원가, 반품, 마감된 월은 다음 월의 이월 행)을 원래 행에서 다시 계산하여
                     다른 값을 표, 저장순서, 열, 저장된 값, 계산한 값으로 보여 줍니다.
  copy --from 위치 --to 위치
                     장부 전체를 다른 곳으로 복사합니다 (장부 파일과 서버 사이, 어느 쪽으로든).
                     --to는 아직 없는 파일이나 장부가 없는 빈 데이터베이스여야 하며, 복사는
                     한 트랜잭션으로 하고, 끝나면 모든 표의 행이 같은지 확인하여 보여 줍니다.
                     (--from이 없으면 --db의 장부)
  import 종류 파일 [--check] [--update]
                     회사의 목록(.xlsx, 또는 UTF-8이나 CP949의 .csv)을 장부로 가져옵니다.
                     열은 프로그램의 엑셀 내보내기와 같은 제목으로 찾습니다. 모든 행을 화면과
                     같은 규칙으로 점검하여 오류가 있는 행을 시트, 행, 열, 이유와 함께 보여 주고,
                     오류가 하나라도 있으면 아무것도 쓰지 않습니다 (한 트랜잭션).
                     --check는 점검만 하고 쓰지 않습니다. 장부에 이미 있는 코드는 --update를
                     주었을 때만, 그 코드의 화면이 허락하는 만큼 고칩니다. 종류는 아래와 같습니다.
  backups            이 장부의 백업을 새것부터 보여 줍니다: 일시, 왜 썼는지(초기화 전, 마감 전,
                     복원 전), 백업 안의 열린 월과 그 상태, 크기, 화일.
  restore 백업화일   장부를 그 백업으로 되돌립니다. 무엇을 잃는지(취소되는 마감, 백업 후에
                     입력된 행의 수) 보여 준 뒤, 지금의 장부를 먼저 백업하고(복원도 되돌릴 수
                     있도록) 바꿉니다. 장부 파일은 검사한 복사본으로 한 번에 바꾸고, 서버의
                     장부는 다른 자리를 막은 채 한 트랜잭션으로 모든 행을 바꿉니다.

선택:
  --db 위치          장부 파일, 또는 PostgreSQL 서버의 장부
                     postgresql://사용자@호스트[:포트]/데이터베이스
                     (기본: 프로그램 zedur가 여는 장부: ZedUr.ini가 가리키는 서버,
                     없으면 Access_Db/ZedUr_DB.mdb). 암호는 ~/.pgpass나 PGPASSWORD로.
  --out 파일         export가 쓸 파일
  --from 위치, --to 위치
                     copy가 읽을 장부와 만들 장부
  --check, --update  import의 점검만, 있는 코드 고치기
  -h, --help         이 도움말을 보여 줍니다.

쓰는 명령(allocate, close, restore, --check 없는 import)은 이 컴퓨터에서 프로그램 zedur나 다른 쓰는 명령이 같은 장부를
쓰고 있는 동안에만 거부되며, 무엇이 그 장부를 쓰고 있는지 알려 줍니다. 잠금은 장부마다
하나(장부 파일의 실제 경로, 서버의 장부는 호스트·포트·데이터베이스)이므로, 다른 장부에
쓰는 명령은 함께 실행할 수 있습니다.

export는 장부 파일, 장부 곁의 -wal·-shm·-journal 파일, 백업이나 다른 SQLite 데이터베이스
위에는 쓰지 않고(종료 코드 1), 이미 있는 .xlsx 파일은 새 파일을 다 쓴 뒤에 한 번에 바꿉니다.

export, verify와 backups는 장부를 바꾸지 않으므로 프로그램이 실행 중이어도 됩니다.
status, export, verify는 장부를 읽기만 하므로 쓸 수 없는 장부(읽기 전용 매체, 쓰기 권한이
없는 파일이나 폴더)에서도 됩니다.

알림은 표준 오류로, 결과는 표준 출력으로 씁니다.
종료 코드: 0 완료, 1 거부(바뀐 것 없음; import에서 오류가 있는 행), 2 사용법 오류, 3 오류(오류 기록 파일에 기록),
          4 verify에서 맞지 않는 대조나 다른 값이 있음, copy한 장부의 행이 다름
)";

void printHelp(FILE *to)
{
    std::fputs(Help, to);
    std::fprintf(to, "\n보고서:\n%s", zedur::cli::reportNames().toUtf8().constData());
    std::fprintf(to, "\nimport의 종류:\n%s", zedur::cli::importKindNames().toUtf8().constData());
}

int usage(const QString &why)
{
    std::fprintf(stderr, "zedur-cli: %s\n\n", why.toUtf8().constData());
    printHelp(stderr);
    return zedur::cli::Usage;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("zedur-cli"));

    zedur::cli::Invocation invocation{{}, {}, zedur::databasePath()};
    QStringList positional;
    const QStringList args = app.arguments().mid(1);
    for (int i = 0; i < args.size(); ++i) {
        const QString &arg = args.at(i);
        if (arg == u"-h" || arg == u"--help") {
            printHelp(stdout);
            return zedur::cli::Done;
        }
        if (arg == u"--db") {
            if (++i >= args.size())
                return usage(QStringLiteral("--db 다음에 장부 파일의 경로나 서버 주소가 있어야 합니다."));
            invocation.database = args.at(i);
        } else if (arg.startsWith(QStringLiteral("--db="))) {
            invocation.database = arg.mid(5);
        } else if (arg == u"--from" || arg == u"--to") {
            if (++i >= args.size())
                return usage(arg + QStringLiteral(" 다음에 장부 파일의 경로나 서버 주소가 있어야 합니다."));
            (arg == u"--from" ? invocation.database : invocation.to) = args.at(i);
        } else if (arg == u"--out") {
            if (++i >= args.size())
                return usage(QStringLiteral("--out 다음에 쓸 파일의 경로가 있어야 합니다."));
            invocation.out = args.at(i);
        } else if (arg.startsWith(QStringLiteral("--out="))) {
            invocation.out = arg.mid(6);
        } else if (arg == u"--check") {
            invocation.checkOnly = true;
        } else if (arg == u"--update") {
            invocation.update = true;
        } else if (arg.startsWith(u'-')) {
            return usage(QStringLiteral("알 수 없는 선택입니다: ") + arg);
        } else {
            positional << arg;
        }
    }
    if (positional.isEmpty())
        return usage(QStringLiteral("명령이 없습니다."));
    invocation.command = positional.takeFirst();
    if (!zedur::cli::knownCommand(invocation.command))
        return usage(QStringLiteral("알 수 없는 명령입니다: ") + invocation.command);
    if (zedur::cli::needsReport(invocation.command)) {
        if (positional.isEmpty())
            return usage(invocation.command + QStringLiteral(" 명령에는 보고서 이름이 있어야 합니다."));
        if (!zedur::cli::knownReport(positional.first()))
            return usage(QStringLiteral("알 수 없는 보고서입니다: ") + positional.first());
        invocation.report = positional.takeFirst();
    } else if (!invocation.out.isEmpty()) {
        return usage(QStringLiteral("--out은 export 명령에만 쓸 수 있습니다."));
    }
    if (zedur::cli::takesFile(invocation.command)) {
        if (positional.size() < 2)
            return usage(QStringLiteral("import 명령에는 종류와 파일이 있어야 합니다."));
        if (!zedur::cli::knownImportKind(positional.first()))
            return usage(QStringLiteral("알 수 없는 가져오기 종류입니다: ") + positional.first());
        invocation.importKind = positional.takeFirst();
        invocation.file = positional.takeFirst();
    } else if (invocation.checkOnly || invocation.update) {
        return usage(QStringLiteral("--check와 --update는 import 명령에만 쓸 수 있습니다."));
    }
    if (zedur::cli::needsMonth(invocation.command)) {
        static const QRegularExpression shape(QStringLiteral("^\\d{4}-(0[1-9]|1[0-2])$"));
        if (positional.isEmpty() || !shape.match(positional.first()).hasMatch())
            return usage(invocation.command + QStringLiteral(" 명령에는 YYYY-MM 형식의 년월이 있어야 합니다."));
        invocation.month = positional.takeFirst();
    }
    if (zedur::cli::needsFile(invocation.command)) {
        if (positional.isEmpty())
            return usage(invocation.command + QStringLiteral(" 명령에는 백업 화일이 있어야 합니다."));
        invocation.file = positional.takeFirst();
    }
    if (zedur::cli::needsTarget(invocation.command) && invocation.to.isEmpty())
        return usage(invocation.command + QStringLiteral(" 명령에는 --to 위치가 있어야 합니다."));
    if (!zedur::cli::needsTarget(invocation.command) && !invocation.to.isEmpty())
        return usage(QStringLiteral("--from과 --to는 copy 명령에만 쓸 수 있습니다."));
    if (!positional.isEmpty())
        return usage(QStringLiteral("남는 인수가 있습니다: ") + positional.join(u' '));
    // The books of this run are the books no file of it may be written over.
    zedur::setDatabaseLocation(invocation.database);
    return zedur::cli::run(invocation);
}
