#include "Shots.h"

#include "common/SystemInfo.h"
#include "common/Workbook.h"
#include "common/ui/DataGrid.h"
#include "common/ui/ListCombo.h"
#include "imports/ui/TMC_DataImport_Form.h"

#include <QDir>
#include <QLineEdit>
#include <QPushButton>

namespace shots {

void shootImports(const QString &out)
{
    // A firm's list of raw materials with good rows and bad ones: a price that is no number,
    // a code given twice, a code the books already have for another material, a name too long.
    zedur::ExportSheet sheet;
    sheet.sheetName = QStringLiteral("원자재");
    sheet.titles = QStringList{"원자재 코드", "원자재 이름", "단가", "단위", "규격"};
    sheet.rows = {{"AL20", "알루미늄판", 4120.5, "kg", "2.0t"}, {"SC05", "나사 M5", "12원", "ea", "M5x10"},
                  {"WS05", "와셔 M5", 3.2, "ea", "M5"},         {"AL20", "알루미늄봉", 3900, "kg", "Ø20"},
                  {"ST01", "열연강판", 2980, "kg", "1.6t"},     {"PT01", "분체도료", 15800, "kg", QString(120, u'회')},
                  {"GR10", "고무패킹", 450, "ea", "10x2"}};
    const QString file = zedur::dataSaveDir() + QStringLiteral("원자재목록.xlsx");
    QDir().mkpath(zedur::dataSaveDir());
    zedur::writeWorkbook(file, {sheet});

    zedur::TMC_DataImport_Form screen;
    shoot(screen, out + "/import.png");
    screen.edFile->setText(file);
    click(screen.CheckBtn);
    shoot(screen, out + "/import-checked.png");
}

} // namespace shots
