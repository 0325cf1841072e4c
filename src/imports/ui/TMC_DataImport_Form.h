#pragma once

#include "common/ui/Screen.h"
#include "imports/ImportReport.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace zedur {

class DataGrid;
class ListCombo;

// 자료 가져오기: a firm's own lists (raw materials, products, trees, accounts, opening stock)
// brought in from a spreadsheet. 점검 judges every row and writes nothing; 가져오기 writes
// all rows in one transaction, or none when any row is refused. The grid lists every row
// read with what becomes of it, and every reason a row is refused.
class TMC_DataImport_Form : public Screen
{
    Q_OBJECT
public:
    explicit TMC_DataImport_Form(QWidget *parent = nullptr);

    ListCombo *cbKind;
    QLineEdit *edFile;
    QCheckBox *chkUpdate;
    QPlainTextEdit *MemoLayout;
    QLabel *lbSummary;
    QPushButton *FileBtn;
    QPushButton *CheckBtn;
    QPushButton *ImportBtn;
    QPushButton *PrintBtn;
    QPushButton *CloseBtn;
    DataGrid *DBGrid1;

    // The grid lists at most this many lines; the summary counts them all.
    static constexpr int ListedLines = 20000;

protected:
    void onFirstShow() override;

private:
    imports::Kind chosenKind() const;
    void kindChosen();
    void FileBtnClick();
    // 점검 (checkOnly) or 가져오기.
    void run(bool checkOnly);
    void PrintBtnClick();
};

} // namespace zedur
