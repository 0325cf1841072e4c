#include "reports/ui/StatementChart.h"

#include <QPainter>

namespace zedur {

StatementChart::StatementChart(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("ChartView"));
    setAutoFillBackground(true);
    QPalette p = palette();
    p.setColor(QPalette::Window, Qt::white);
    setPalette(p);
    setMinimumWidth(260);
}

void StatementChart::setBars(const QString &title, const QVector<reports::ChartBar> &bars)
{
    m_title = title;
    m_bars = bars;
    update();
}

void StatementChart::paintEvent(QPaintEvent *)
{
    if (m_bars.isEmpty())
        return;
    QPainter painter(this);
    reports::paintBarChart(painter, QRectF(rect()).adjusted(6, 6, -6, -6), m_title, m_bars);
}

} // namespace zedur
