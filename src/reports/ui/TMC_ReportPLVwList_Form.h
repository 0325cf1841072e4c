#pragma once

#include "reports/ui/StatementScreen.h"

namespace zedur {

// The income statement of a month.
class TMC_ReportPLVwList_Form : public StatementScreen
{
    Q_OBJECT
public:
    explicit TMC_ReportPLVwList_Form(QWidget *parent = nullptr);
};

} // namespace zedur
