#pragma once

#include "reports/ui/MovementScreen.h"

namespace zedur {

// The month's movements of the products account.
class TMC_ReportJeyPumYbChulGo_Form : public MovementScreen
{
    Q_OBJECT
public:
    explicit TMC_ReportJeyPumYbChulGo_Form(QWidget *parent = nullptr);
};

} // namespace zedur
