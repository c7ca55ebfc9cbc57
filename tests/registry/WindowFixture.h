#pragma once
#include "Fixtures.h"
#include "common/Clock.h"
#include "input/ui/TForm2.h"
#include "input/ui/Tdentakukun.h"
#include "project/Project.h"
#include "registry/ui/Ttouroku.h"
#include "roster/ui/Tmeibo.h"
#include "support/ScriptedDialogs.h"
#include "support/TempHome.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QTableView>
#include <QTest>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>

namespace mirevo::test {

// The registration window with everything it works on: a program folder of
// its own, a registry with companies C1 … C8 (C7 "本社" twice: rows 7 and 8
// hold different branches), a project and the roster window.
class TtourokuFixture : public ::testing::Test {
protected:
    TtourokuFixture()
    {
        clock::setFixed(QDateTime(QDate(2025, 2, 28), QTime(9, 0)));
        for (int row = 1; row <= 8; ++row)
            putCompany(registry, row, QStringLiteral("C%1").arg(row));
        registry.companies.setCell(company::Name, 8, "C7");
        registry.companies.setCell(company::Branch, 8, QStringLiteral("支店"));
    }
    ~TtourokuFixture() override { clock::useSystem(); }

    template <class T = QWidget> T* get(const QString& name)
    {
        T* widget = window.findChild<T*>(name);
        EXPECT_TRUE(widget) << name.toStdString();
        return widget;
    }

    void show(int mode)
    {
        window.mode = mode;
        window.show();
        QApplication::processEvents();
    }

    QTableView* list() { return get<QTableView>("StringGrid1"); }
    QTableView* workerView() { return get<QTableView>("StringGrid2"); }

    // A left-button press on grid row `row` (from 1), column `column`.
    static void press(QTableView* view, int row, int column = 1)
    {
        QTest::mousePress(view->viewport(), Qt::LeftButton, {}, cellCentre(view, row, column));
    }
    static void release(QTableView* view, int row, int column = 1)
    {
        QTest::mouseRelease(view->viewport(), Qt::LeftButton, {}, cellCentre(view, row, column));
    }
    static void click(QTableView* view, int row, int column = 1)
    {
        press(view, row, column);
        release(view, row, column);
    }
    static QPoint cellCentre(QTableView* view, int row, int column)
    {
        const QModelIndex index = view->model()->index(row - 1, column);
        view->scrollTo(index);
        return view->visualRect(index).center();
    }
    // Runs `action` once the next modal window has started.
    static void whenModal(std::function<void()> action) { QTimer::singleShot(0, std::move(action)); }

    TempHome home;
    ScriptedDialogs dialogs;
    Registry registry;
    Project project;
    TForm2 calendar;
    Tdentakukun calculator;
    Tmeibo roster{registry, project, calendar, calculator};
    Ttouroku window{registry, project, roster};
};

} // namespace mirevo::test
