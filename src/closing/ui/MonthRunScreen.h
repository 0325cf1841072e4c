#pragma once

#include "closing/RunOutcome.h"
#include "common/Progress.h"
#include "common/ui/Screen.h"

#include <QStringList>
#include <functional>

class QHBoxLayout;
class QLabel;
class QPushButton;
class QTextEdit;

namespace zedur {

class ListCombo;

// What a screen that runs one engine on a chosen month declares.
struct MonthRunSetup {
    ScreenSetup screen;
    QStringList memoLines;     // the explanation at the top, centred, an empty line between lines
    QString statusName;        // objectName of the status panel
    QString statusDesign;      // its text before the screen is shown
    QString periodLabel;       // in front of the year and month lists
    QString yearSuffix;        // after the year list
    QString runCaption;        // the run button
    bool retitleOnKey = false; // any key in the lists sets the window title to "..................."
};

// The allocation and the close screens: an explanation, a status panel with the open
// month's state, the month to run, a run button and a close button. The engine runs under
// a dialog that names its steps; a refusal is shown as its warning, a failure as an error
// (and logged), and the status panel says where the month stands afterwards.
class MonthRunScreen : public Screen
{
    Q_OBJECT
public:
    QTextEdit *Memo1;
    QLabel *Label1;
    ListCombo *cbYear;
    ListCombo *cbMonth;
    QPushButton *PrintBtn;
    QPushButton *CloseBtn;

protected:
    MonthRunScreen(const MonthRunSetup &setup, QWidget *parent);

    QLabel *statusPanel() const { return m_status; }
    // A row under the month lists for what a screen shows beside them.
    QHBoxLayout *extraRow() const { return m_extraRow; }
    Period chosenMonth() const;

    void onFirstShow() override;
    // The lists and the status panel show the open month, when there is exactly one.
    void showOpenMonth();
    // Runs the engine; true when it ran through. The status panel shows the outcome's status.
    bool runEngine(const QString &handler, const std::function<RunOutcome(const Progress &)> &engine);

    virtual void PrintBtnClick() = 0;

private:
    QLabel *m_status;
    QHBoxLayout *m_extraRow;
};

} // namespace zedur
