#pragma once

#include "common/Progress.h"

#include <memory>

class QProgressDialog;
class QWidget;

namespace zedur {

// A dialog naming the step a long run has reached, with a busy bar; the windows repaint
// between steps. It closes when it goes out of scope.
class StepProgress
{
public:
    StepProgress(QWidget *parent, const QString &title);
    ~StepProgress();
    StepProgress(const StepProgress &) = delete;
    StepProgress &operator=(const StepProgress &) = delete;

    // What the engine reports its steps to.
    Progress reporter();

private:
    std::unique_ptr<QProgressDialog> m_dialog;
};

} // namespace zedur
