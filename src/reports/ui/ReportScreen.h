#pragma once

#include "common/ui/Screen.h"

class QHBoxLayout;
class QLabel;
class QPushButton;

namespace zedur {

class DataGrid;
class ListCombo;

// What every report screen shares: the month lists, the search button, the message panel
// and the close button. A report only reads the period: when shown, the lists take the
// open month; every run first checks the chosen month against the period table.
class ReportScreen : public Screen
{
    Q_OBJECT
public:
    ListCombo *cbYear;
    ListCombo *cbMonth;
    QPushButton *SearchBtn;
    QPushButton *PrintBtn;
    QPushButton *CloseBtn;

    QLabel *messagePanel() const { return m_panel; }
    Period chosenMonth() const;

protected:
    struct Look {
        QString panelName = QStringLiteral("Panel1");
        QString panelText;
        QString searchCaption = QStringLiteral("&F 검색");
    };
    ReportScreen(const ScreenSetup &setup, const Look &look, QWidget *parent);

    // A year and a month list as the screens' own: filled, list-only, checked on leaving.
    void setUpMonthLists(ListCombo *year, ListCombo *month);
    // "년" list, "월" list and the search button, for the screen to place.
    QHBoxLayout *monthBar();
    // The export and close buttons at the foot of the screen.
    QHBoxLayout *footButtons();

    // Empties every list (a run starts with it; a refused run leaves them so).
    virtual void clearLists() = 0;
    // Builds and shows the report of the month, inside the run's action.
    virtual void showMonth(const Period &month) = 0;
    // After the lists took the open month when the screen was shown.
    virtual void afterShow(const Period &) {}

    void onFirstShow() override;
    // The search: the month check with its warnings, then the report. False when refused.
    bool runReport();

private:
    QLabel *m_panel;
};

} // namespace zedur
