#pragma once

#include "reports/ui/MovementScreen.h"

namespace zedur {

// The month's movements of the raw material account.
class TMC_ReportWonJaJeyYbChulGo_Form : public MovementScreen
{
    Q_OBJECT
public:
    explicit TMC_ReportWonJaJeyYbChulGo_Form(QWidget *parent = nullptr);
};

} // namespace zedur
