#pragma once

#include "common/ui/Screen.h"

class QPlainTextEdit;
class QPushButton;

namespace zedur {

class ListCombo;

// Starts the books afresh for a chosen month, after a backup of the whole database.
class TMC_TableCreate_Form : public Screen
{
    Q_OBJECT
public:
    explicit TMC_TableCreate_Form(QWidget *parent = nullptr);

    QPlainTextEdit *Memo1;
    ListCombo *cbYear;
    ListCombo *cbMonth;
    QPushButton *BitBtn1;
    QPushButton *PrintBtn;
    QPushButton *CloseBtn;

    // Where the last run put its backup (empty before a run).
    const QString &lastBackup() const { return m_lastBackup; }

protected:
    void onFirstShow() override;

private:
    void BitBtn1Click();
    QString m_lastBackup;
};

} // namespace zedur
