#include "common/ui/StepProgress.h"

#include <QCoreApplication>
#include <QProgressDialog>

namespace zedur {

StepProgress::StepProgress(QWidget *parent, const QString &title)
    : m_dialog(std::make_unique<QProgressDialog>(title, QString(), 0, 0, parent))
{
    m_dialog->setObjectName(QStringLiteral("StepProgress"));
    m_dialog->setWindowTitle(title);
    m_dialog->setWindowModality(Qt::WindowModal);
    m_dialog->setMinimumDuration(0);
    m_dialog->setValue(0);
}

StepProgress::~StepProgress() = default;

Progress StepProgress::reporter()
{
    return [this](const QString &step) {
        m_dialog->setLabelText(step);
        QCoreApplication::processEvents();
    };
}

} // namespace zedur
