#pragma once

#include "reports/ui/StatementPages.h"

#include <QWidget>

namespace zedur {

// The small chart beside a statement: its main lines as bars.
class StatementChart : public QWidget
{
    Q_OBJECT
public:
    explicit StatementChart(QWidget *parent = nullptr);

    void setBars(const QString &title, const QVector<reports::ChartBar> &bars);
    const QVector<reports::ChartBar> &bars() const { return m_bars; }
    QSize sizeHint() const override { return {320, 260}; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QString m_title;
    QVector<reports::ChartBar> m_bars;
};

} // namespace zedur
