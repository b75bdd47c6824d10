#pragma once

#include "users/RecordsChart.h"

#include <QWidget>

// The records chart drawn in the place of the records table's grid: the
// addition grades as points from the oldest round on the left, or one
// column per table or level with a star on those passed. Axis texts are in
// hiragana, large enough for a child; an empty history shows the axes alone.
class RecordsChartView : public QWidget
{
    Q_OBJECT
public:
    explicit RecordsChartView(QWidget *parent);

    void setChart(users::RecordsChart chart);
    const users::RecordsChart &chart() const { return m_chart; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    users::RecordsChart m_chart;
};
