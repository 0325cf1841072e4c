#pragma once

#include "common/ui/ExitGuard.h"
#include "store/Db.h"
#include "store/Periods.h"

#include <QDialog>
#include <functional>
#include <memory>

namespace zedur {

class Failure;
class ListCombo;

// What a screen does with the accounting period: master-data screens and the
// initialisation ignore it; entry screens read it, mark it "배부액재계산" when shown and test
// it before every change; report screens only read it.
enum class PeriodRule { None, Entry, Report };

struct ScreenSetup {
    QString className; // "TMC_WonJaJeyCode_Form": names the screen in the error log
    QString caption;
    PeriodRule period = PeriodRule::None;
    QSize size = QSize(1000, 700);
};

// The base of every screen opened from the menu: its own database connection (opened when
// created, closed when destroyed), centred when first shown, failures reported and logged
// in one way, the period rule, and the exit checks of its boxes.
class Screen : public QDialog
{
    Q_OBJECT
public:
    Screen(const ScreenSetup &setup, QWidget *parent = nullptr);
    ~Screen() override;

    const ScreenSetup &setup() const { return m_setup; }
    // The connection; throws StoreError when the database could not be opened.
    Db &db();
    bool connected() const { return bool(m_db); }

    // "procedure TMC_X_Form.<handler>;" as the error log names where a failure happened.
    QString location(const QString &handler) const;

    // Runs one user action under the busy cursor. A failure is shown (with the screen's own
    // text when it gives one, or the general error box), logged, and ends the action.
    bool perform(const QString &handler, const std::function<void()> &action, const QString &screenText = {},
                 const QString &content = {});

    ExitGuard &exits() { return m_exits; }

    // Year "2000".."2300" and month "01".."12" lists; screens with a period show them.
    void fillPeriodLists(ListCombo *year, ListCombo *month);
    // The rule every screen applies when shown: the lists take the open month, entry screens
    // mark it for recalculation. False (after the warning) unless exactly one month is open.
    bool applyPeriodRuleOnShow(ListCombo *year, ListCombo *month);
    // The test entry screens make before a change: exactly one open month, and it is the one
    // shown. Otherwise the screen's warning naming the open month (tail: the screen's wording).
    bool openPeriodShown(const Period &shown, const QString &tail = {});
    // The test every action that changes the books makes before it starts (what: "등록,수정,
    // 삭제가", ...): false, after the warning that says why, on books that may only be read.
    bool mayChangeBooks(const QString &what);

protected:
    void showEvent(QShowEvent *event) override;
    // Runs once, when the screen is first shown.
    virtual void onFirstShow() {}

private:
    ScreenSetup m_setup;
    std::unique_ptr<Db> m_db;
    ExitGuard m_exits;
    bool m_shown = false;
};

// The busy cursor for the length of a scope.
class BusyCursor
{
public:
    BusyCursor();
    ~BusyCursor();
    BusyCursor(const BusyCursor &) = delete;
    BusyCursor &operator=(const BusyCursor &) = delete;
};

} // namespace zedur
