#pragma once

#include "reports/ui/StatementScreen.h"

namespace zedur {

// The statement of cost of goods manufactured of a month.
class TMC_ReportJeyJoVwList_Form : public StatementScreen
{
    Q_OBJECT
public:
    explicit TMC_ReportJeyJoVwList_Form(QWidget *parent = nullptr);
};

} // namespace zedur
