#pragma once

#include "reports/ui/MovementScreen.h"

namespace zedur {

// The month's movements of the work in process account.
class TMC_ReportJeyGongPumYbChulGo_Form : public MovementScreen
{
    Q_OBJECT
public:
    explicit TMC_ReportJeyGongPumYbChulGo_Form(QWidget *parent = nullptr);
};

} // namespace zedur
