#include "common/ui/Screen.h"

#include "common/ErrorLog.h"
#include "common/Messages.h"
#include "common/SystemInfo.h"
#include "common/ui/ListCombo.h"
#include "store/StoreError.h"

#include <QApplication>
#include <QGuiApplication>
#include <QScreen>

namespace zedur {

BusyCursor::BusyCursor()
{
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
}

BusyCursor::~BusyCursor()
{
    QGuiApplication::restoreOverrideCursor();
}

Screen::Screen(const ScreenSetup &setup, QWidget *parent) : QDialog(parent), m_setup(setup), m_exits(this)
{
    setObjectName(setup.className);
    setWindowTitle(setup.caption);
    resize(setup.size);
    setWindowFlags(windowFlags() | Qt::WindowMaximizeButtonHint | Qt::WindowMinimizeButtonHint);
    ChangeDateFormat(QStringLiteral("yyyy-MM-dd"));
    try {
        m_db = Db::openDefault();
    } catch (const StoreError &e) {
        msg::warning(connectionWarningText(databasePath()));
        LogError({location(QStringLiteral("FormCreate(Sender: TObject)")), QStringLiteral("액세스[Access] DB의 화일오류"),
                  e.className(), e.message()});
    }
}

Screen::~Screen() = default;

Db &Screen::db()
{
    if (!m_db)
        throw StoreError(QStringLiteral("데이터베이스에 연결되어 있지 않습니다: ") + databasePath());
    return *m_db;
}

QString Screen::location(const QString &handler) const
{
    return QStringLiteral("procedure %1.%2;").arg(m_setup.className, handler);
}

bool Screen::perform(const QString &handler, const std::function<void()> &action, const QString &screenText,
                     const QString &content)
{
    BusyCursor busy;
    try {
        action();
        return true;
    } catch (const Failure &f) {
        const QString what = content.isEmpty() ? m_setup.caption : content;
        if (screenText.isEmpty()) {
            msg::error(f.message() + LB + LB + f.className());
            if (!LogError({location(handler), what, f.className(), f.message()}))
                msg::error(QStringLiteral("오류 기록 파일에 기록할 수 없습니다.") + LB + errorLogPath());
        } else {
            reportFailure(screenText, location(handler), what, f);
        }
        return false;
    }
}

void Screen::fillPeriodLists(ListCombo *year, ListCombo *month)
{
    year->clear();
    for (int y = 2000; y <= 2300; ++y)
        year->addItem(QString::number(y));
    month->clear();
    for (int m = 1; m <= 12; ++m)
        month->addItem(QStringLiteral("%1").arg(m, 2, 10, QChar(u'0')));
}

bool Screen::applyPeriodRuleOnShow(ListCombo *year, ListCombo *month)
{
    fillPeriodLists(year, month);
    bool unique = false;
    perform(QStringLiteral("FormShow(Sender: TObject)"), [&] {
        const auto open = period::theOpenPeriod(db());
        if (!open)
            return;
        unique = true;
        year->setCurrentIndex(year->findText(open->period.year));
        month->setCurrentIndex(month->findText(open->period.month));
        // Books that may only be read take no entry from the screen, so there is nothing
        // the mark would have to guard.
        if (m_setup.period == PeriodRule::Entry && !db().readOnly())
            period::markRecalculation(db());
    });
    if (!unique && connected())
        msg::warning(period::notUniqueWarning());
    return unique;
}

bool Screen::openPeriodShown(const Period &shown, const QString &tail)
{
    std::optional<PeriodRow> open;
    if (!perform(QStringLiteral("pOpenPeriod"), [&] { open = period::theOpenPeriod(db()); }))
        return false;
    if (!open) {
        msg::warning(period::notUniqueWarning());
        return false;
    }
    if (open->period.text() != shown.year.trimmed() + shown.month.trimmed()) {
        msg::warning(tail.isEmpty() ? period::onlyOpenMonthWarning(open->period)
                                    : period::onlyOpenMonthWarning(open->period, tail));
        return false;
    }
    return true;
}

bool Screen::mayChangeBooks(const QString &what)
{
    if (!connected() || !db().readOnly())
        return true;
    msg::warning(db().readOnlyWarning(what));
    return false;
}

void Screen::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (m_shown)
        return;
    m_shown = true;
    m_exits.guardShortcuts(this);
    if (QScreen *screen = this->screen()) {
        const QRect available = screen->availableGeometry();
        move(available.x() + (available.width() - frameGeometry().width()) / 2,
             available.y() + (available.height() - frameGeometry().height()) / 2);
    }
    onFirstShow();
}

} // namespace zedur
