#pragma once

#include <QWidget>

class QLabel;
class QTableView;

// The data control under the grid: its caption shows the record position, and its four buttons move
// the grid's current row to the first, previous, next and last row.
class RecordNavigator : public QWidget {
    Q_OBJECT
public:
    RecordNavigator(QTableView* grid, QWidget* parent = nullptr);

    void setCaption(const QString& text);
    QString caption() const;

private:
    void moveTo(int row);

    QTableView* m_grid;
    QLabel* m_caption;
};
