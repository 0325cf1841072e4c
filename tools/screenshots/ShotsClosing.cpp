#include "Shots.h"

#include "closing/ui/TMC_JeyJoAmtUpDate_Form.h"
#include "closing/ui/TMC_MonthMaGam_Form.h"
#include "common/ui/ListCombo.h"
#include "store/Db.h"

#include <QPushButton>
#include <cstdio>

namespace shots {

void shootClosing(const QString &out)
{
    {
        // Opened after the entry screens: the month must be allocated again first.
        zedur::TMC_MonthMaGam_Form screen;
        shoot(screen, out + "/close.png");
        std::printf("close: before the allocation\n");
        press(screen.PrintBtn);
        shoot(screen, out + "/close-refused.png");
    }
    {
        zedur::TMC_JeyJoAmtUpDate_Form screen;
        shoot(screen, out + "/allocation.png");
        std::printf("allocation: another month\n");
        screen.cbMonth->setCurrentIndex(screen.cbMonth->findText("05"));
        press(screen.PrintBtn);
        screen.cbMonth->setCurrentIndex(screen.cbMonth->findText("04"));
        press(screen.PrintBtn);
        shoot(screen, out + "/allocation-done.png");
    }
    {
        zedur::TMC_MonthMaGam_Form screen;
        shoot(screen, out + "/close-allocated.png");
        press(screen.PrintBtn);
        shoot(screen, out + "/close-done.png");
    }
}

} // namespace shots
