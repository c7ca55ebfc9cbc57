#pragma once
#include <QWidget>

class QTableWidget;

namespace mirevo {

class Project;

// The page "作 業 員 名 簿": the site worker list.
class WorkerPage : public QWidget {
    Q_OBJECT
public:
    WorkerPage(Project& project, QWidget* parent);
    void refresh();

private:
    Project& project_;
    QTableWidget* grid_;
};

} // namespace mirevo
