#include "roster/ui/Tmeibo.h"
#include "common/Clock.h"
#include "input/ui/TForm2.h"
#include "input/ui/Tdentakukun.h"
#include "project/Project.h"
#include "registry/Registry.h"
#include "roster/WorkerRecord.h"
#include "support/ScriptedDialogs.h"
#include "support/TempHome.h"

#include <QApplication>
#include <QCalendarWidget>
#include <QCheckBox>
#include <QComboBox>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>

using namespace mirevo;
using namespace mirevo::worker;

namespace {

class TmeiboTest : public ::testing::Test {
protected:
    TmeiboTest() { clock::setFixed(QDateTime(QDate(2025, 2, 28), QTime(9, 0))); }
    ~TmeiboTest() override { clock::useSystem(); }

    template <class T = QLineEdit> T* get(const QString& name)
    {
        T* widget = window.findChild<T*>(name);
        EXPECT_TRUE(widget) << name.toStdString();
        return widget;
    }
    QString text(const QString& name) { return get(name)->text(); }
    void setText(const QString& name, const QString& value) { get(name)->setText(value); }

    // Shows the window so that focus and clicks behave as on screen.
    void showWindow()
    {
        window.show();
        window.activateWindow();
        QApplication::setActiveWindow(&window);
    }
    // Runs `action` once the next modal window has started.
    static void whenModal(std::function<void()> action) { QTimer::singleShot(0, std::move(action)); }

    void putWorker(TextGrid& list, int row, const QString& reading)
    {
        list.ensureRow(row);
        list.setCell(Reading, row, reading);
        list.setCell(Name, row, reading + QStringLiteral("名"));
    }

    test::TempHome home;
    test::ScriptedDialogs dialogs;
    Registry registry;
    Project project;
    TForm2 calendar;
    Tdentakukun calculator;
    Tmeibo window{registry, project, calendar, calculator};
};

} // namespace

TEST_F(TmeiboTest, FormHoldsItsNamedControls)
{
    EXPECT_EQ(window.windowTitle(), QStringLiteral("作業員名簿"));
    // The form's page; the window shows it whole where the screen has room
    // and scrolls it otherwise.
    EXPECT_EQ(window.findChild<QWidget*>("Panel_form")->size(), QSize(1152, 650));
    for (int n : {1,  2,  3,  4,  5,  6,  7,  8,  9,  10, 11, 12, 13, 14, 15, 16, 17,
                  18, 19, 20, 21, 22, 23, 24, 25, 26, 27, 39, 40, 41, 42, 43, 71, 72})
        get(QStringLiteral("Edit%1").arg(n));
    EXPECT_EQ(get<QCheckBox>(QStringLiteral("CheckBox1"))->text(), QStringLiteral("現場代理人"));
    EXPECT_EQ(get<QCheckBox>(QStringLiteral("CheckBox12"))->text(), QStringLiteral("１号特定技能外国人"));
    auto* bloodType = get<QComboBox>(QStringLiteral("ComboBox1"));
    EXPECT_EQ(bloodType->currentText(), QStringLiteral("Ａ"));
    EXPECT_EQ(bloodType->count(), 4);
    EXPECT_EQ(text(QStringLiteral("Edit8")), QStringLiteral("000-00-0000"));
    EXPECT_EQ(text(QStringLiteral("Edit72")), QStringLiteral("0000-000000-0"));
    EXPECT_EQ(text(QStringLiteral("Edit41")), QStringLiteral("0000"));
    EXPECT_TRUE(get(QStringLiteral("Edit39"))->isReadOnly());
    EXPECT_EQ(get<QPushButton>(QStringLiteral("Button1"))->text(), QStringLiteral("登録"));
    EXPECT_EQ(get<QPushButton>(QStringLiteral("Button2"))->text(), QStringLiteral("キャンセル"));
    QStringList labels;
    for (QLabel* label : window.findChildren<QLabel*>())
        labels << label->text();
    for (const char16_t* expected :
         {u"ふりがな", u"氏　名", u"※担当役割", u"例 : 1958/04/01", u"※保険番号の下4桁",
          u"[習]･･･外国人技能実習生　　[就]･･･外国人建設就労者　　[1特]･･･１号特定技能外国人"})
        EXPECT_TRUE(labels.contains(QString::fromUtf16(expected))) << QString::fromUtf16(expected).toStdString();
}

TEST_F(TmeiboTest, OpensAStoredWorkerOfTheMasterList)
{
    putWorker(registry.workers, 1, QStringLiteral("あ"));
    putWorker(registry.workers, 2, QStringLiteral("い"));
    registry.workers.setCell(Roles, 2, QStringLiteral("[1特] "));
    registry.workers.setCell(BloodType, 2, QStringLiteral("ＡＢ"));
    registry.workers.setCell(Company, 2, QStringLiteral("山田建設"));
    window.mode = 1;
    window.company = QStringLiteral("別の会社");
    window.load(2);
    EXPECT_EQ(window.targetRow(), 2);
    EXPECT_EQ(text(QStringLiteral("Edit42")), QStringLiteral("い"));
    EXPECT_EQ(text(QStringLiteral("Edit1")), QStringLiteral("い名"));
    EXPECT_EQ(text(QStringLiteral("Edit27")), QStringLiteral("山田建設"));
    EXPECT_EQ(text(QStringLiteral("Edit26")), QStringLiteral("～"));
    EXPECT_EQ(text(QStringLiteral("Edit8")), QString()); // the record replaces the design text
    EXPECT_EQ(get<QComboBox>(QStringLiteral("ComboBox1"))->currentText(), QStringLiteral("ＡＢ"));
    for (int box = 1; box <= 12; ++box)
        EXPECT_EQ(get<QCheckBox>(QStringLiteral("CheckBox%1").arg(box))->isChecked(), box == 12) << box;
    EXPECT_TRUE(get(QStringLiteral("Edit24"))->isHidden());
    EXPECT_TRUE(get(QStringLiteral("Edit25"))->isHidden());
}

TEST_F(TmeiboTest, NewWorkerRowsNeverOverwriteAStoredWorker)
{
    window.company = QStringLiteral("山田建設");
    window.mode = 1;
    putWorker(registry.workers, 1, QStringLiteral("あ"));
    putWorker(registry.workers, 2, QStringLiteral("い"));
    window.load(kNewWorker);
    EXPECT_EQ(window.targetRow(), 3); // k + 1
    EXPECT_EQ(text(QStringLiteral("Edit42")), QString());
    EXPECT_EQ(text(QStringLiteral("Edit27")), QStringLiteral("山田建設"));

    // Row 1 lost its reading: k + 1 = 2 holds a worker, so the next free row is used.
    registry.workers.setCell(Reading, 1, QString());
    putWorker(registry.workers, 3, QStringLiteral("う"));
    window.load(kNewWorker);
    EXPECT_EQ(window.targetRow(), 4);

    window.mode = 2;
    project.st3Count = 5;
    window.load(kNewWorker);
    EXPECT_EQ(window.targetRow(), 6);
    EXPECT_FALSE(get(QStringLiteral("Edit24"))->isHidden());
}

TEST_F(TmeiboTest, StoreInModeOneWritesTheMasterRowAndSavesTheRegistry)
{
    putWorker(registry.workers, 1, QStringLiteral("あ"));
    registry.workers.setCell(worker::Spare3, 1, QStringLiteral("scratch"));
    window.mode = 1;
    window.load(1);
    setText(QStringLiteral("Edit2"), QStringLiteral("とび工"));
    setText(QStringLiteral("Edit41"), QStringLiteral("1234"));
    int storedRow = 0;
    QObject::connect(&window, &Tmeibo::workerStored, [&](int mode, int row) { storedRow = mode * 100 + row; });
    whenModal([this] { get<QPushButton>(QStringLiteral("Button1"))->click(); });
    EXPECT_EQ(window.exec(), QDialog::Accepted);
    EXPECT_EQ(storedRow, 101);
    EXPECT_EQ(registry.workers.cell(Trade, 1), QStringLiteral("とび工"));
    EXPECT_EQ(registry.workers.cell(EmploymentDigits, 1), QStringLiteral("1234"));
    EXPECT_EQ(registry.workers.cell(BloodPressure, 1), QStringLiteral("～"));
    EXPECT_EQ(registry.workers.cell(worker::Spare3, 1), QString());
    EXPECT_EQ(registry.workers.cell(SourceRow, 1), QStringLiteral("1"));
    EXPECT_TRUE(QFileInfo::exists(Registry::fileName()));
    EXPECT_TRUE(project.workers.cell(Reading, 1).isEmpty());
}

TEST_F(TmeiboTest, StoreInModeTwoWritesTheSiteListAndGrowsIt)
{
    const int lastRow = project.workers.rowCount() - 1;
    for (int row = 1; row <= lastRow; ++row)
        putWorker(project.workers, row, QStringLiteral("w%1").arg(row));
    project.st3Count = lastRow;
    window.mode = 2;
    window.company = QStringLiteral("山田建設");
    window.load(kNewWorker);
    setText(QStringLiteral("Edit42"), QStringLiteral("しん"));
    setText(QStringLiteral("Edit24"), QStringLiteral("2025/3/1"));
    get<QPushButton>(QStringLiteral("Button1"))->click();
    ASSERT_EQ(project.workers.rowCount(), lastRow + 2);
    EXPECT_EQ(project.workers.cell(Reading, lastRow + 1), QStringLiteral("しん"));
    EXPECT_EQ(project.workers.cell(SiteEntry, lastRow + 1), QStringLiteral("2025/3/1"));
    EXPECT_EQ(project.workers.cell(Company, lastRow + 1), QStringLiteral("山田建設"));
    EXPECT_EQ(project.workers.cell(SourceRow, lastRow + 1), QString::number(lastRow + 1));
    EXPECT_EQ(project.workers.cell(Reading, lastRow), QStringLiteral("w%1").arg(lastRow));
    EXPECT_FALSE(QFileInfo::exists(Registry::fileName()));
}

TEST_F(TmeiboTest, CancelAndNeutralModeStoreNothing)
{
    putWorker(registry.workers, 1, QStringLiteral("あ"));
    const TextGrid before = registry.workers;
    window.mode = 1;
    window.load(1);
    setText(QStringLiteral("Edit42"), QStringLiteral("変更"));
    get<QPushButton>(QStringLiteral("Button2"))->click();
    EXPECT_EQ(window.result(), QDialog::Rejected);
    EXPECT_EQ(registry.workers, before);

    window.mode = 0;
    window.load(1);
    EXPECT_EQ(text(QStringLiteral("Edit42")), QStringLiteral("変更")); // fields kept
    EXPECT_FALSE(get<QPushButton>(QStringLiteral("Button1"))->isEnabled());
    EXPECT_EQ(registry.workers, before);
}

TEST_F(TmeiboTest, RoleBoxesWriteTheRoleText)
{
    window.mode = 2;
    window.load(kNewWorker);
    showWindow();
    auto click = [this](int box) {
        // On the indicator: the box is wider than its caption.
        QTest::mouseClick(get<QCheckBox>(QStringLiteral("CheckBox%1").arg(box)), Qt::LeftButton, {}, QPoint(8, 11));
    };
    click(6);
    click(1);
    EXPECT_EQ(text(QStringLiteral("Edit43")), QStringLiteral("[現] [職] "));
    click(6);
    EXPECT_EQ(text(QStringLiteral("Edit43")), QStringLiteral("[現] "));
    // Typing the text sets the boxes as opening does.
    get(QStringLiteral("Edit43"))->clear();
    QTest::keyClicks(get(QStringLiteral("Edit43")), QStringLiteral("1"));
    QTest::sendKeyEvent(QTest::Click, get(QStringLiteral("Edit43")), Qt::Key_unknown, QStringLiteral("特"),
                        Qt::NoModifier);
    EXPECT_FALSE(get<QCheckBox>(QStringLiteral("CheckBox1"))->isChecked());
    EXPECT_TRUE(get<QCheckBox>(QStringLiteral("CheckBox12"))->isChecked());
}

TEST_F(TmeiboTest, EnterFollowsTheFieldOrder)
{
    window.mode = 2;
    window.load(kNewWorker);
    showWindow();
    const QStringList order{"Edit27", "Edit42", "Edit1",  "Edit2",  "Edit43",    "",       "Edit7",  "Edit8",
                            "Edit9",  "Edit10", "Edit11", "",       "ComboBox1", "Edit26", "",       "Edit13",
                            "Edit14", "Edit71", "Edit72", "Edit15", "Edit16",    "Edit17", "Edit18", "Edit19",
                            "Edit20", "Edit21", "Edit22", "Edit23", "Edit24",    "Edit25", "",       "Edit39",
                            "Edit71", "",       "Edit41", "Edit71"};
    for (int i = 0; i + 1 < order.size(); ++i) {
        if (order[i].isEmpty() || order[i + 1].isEmpty())
            continue;
        QWidget* from = window.findChild<QWidget*>(order[i]);
        from->setFocus();
        QTest::keyClick(from, Qt::Key_Return);
        EXPECT_EQ(QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : QString(), order[i + 1])
            << "Enter in " << order[i].toStdString();
    }
    // Any key in the acceptance date goes on to "登録".
    get(QStringLiteral("Edit25"))->setFocus();
    QTest::keyClick(get(QStringLiteral("Edit25")), Qt::Key_A);
    EXPECT_EQ(QApplication::focusWidget(), get<QPushButton>(QStringLiteral("Button1")));
    // Without the site dates (mode 1) the last licence leads to "登録".
    window.mode = 1;
    window.load(kNewWorker);
    get(QStringLiteral("Edit23"))->setFocus();
    QTest::keyClick(get(QStringLiteral("Edit23")), Qt::Key_Return);
    EXPECT_EQ(QApplication::focusWidget(), get<QPushButton>(QStringLiteral("Button1")));
}

TEST_F(TmeiboTest, SameAsAboveShortcuts)
{
    window.mode = 2;
    window.load(kNewWorker);
    showWindow();
    // No address: the family contact stays empty.
    setText(QStringLiteral("Edit8"), QStringLiteral("03-1111-2222"));
    QTest::keyClick(get(QStringLiteral("Edit8")), Qt::Key_Return);
    EXPECT_EQ(text(QStringLiteral("Edit9")), QString());
    EXPECT_EQ(QApplication::focusWidget(), get(QStringLiteral("Edit9")));

    setText(QStringLiteral("Edit7"), QStringLiteral("東京都"));
    QTest::keyClick(get(QStringLiteral("Edit8")), Qt::Key_Return);
    EXPECT_EQ(text(QStringLiteral("Edit9")), QStringLiteral("同上"));
    QTest::keyClick(get(QStringLiteral("Edit9")), Qt::Key_Return);
    EXPECT_EQ(text(QStringLiteral("Edit10")), QStringLiteral("同上"));
    EXPECT_EQ(QApplication::focusWidget(), get(QStringLiteral("Edit10")));

    // A typed family contact is kept, and so is the family telephone.
    setText(QStringLiteral("Edit9"), QStringLiteral("大阪府"));
    setText(QStringLiteral("Edit10"), QStringLiteral("06-1"));
    QTest::keyClick(get(QStringLiteral("Edit8")), Qt::Key_Return);
    QTest::keyClick(get(QStringLiteral("Edit9")), Qt::Key_Return);
    EXPECT_EQ(text(QStringLiteral("Edit9")), QStringLiteral("大阪府"));
    EXPECT_EQ(text(QStringLiteral("Edit10")), QStringLiteral("06-1"));

    // Double-clicks: the labels set "同上", the fields empty themselves.
    for (QLabel* label : window.findChildren<QLabel*>())
        if (label->buddy() == get(QStringLiteral("Edit10")) || label->buddy() == get(QStringLiteral("Edit9")))
            QTest::mouseDClick(label, Qt::LeftButton);
    EXPECT_EQ(text(QStringLiteral("Edit9")), QStringLiteral("同上"));
    EXPECT_EQ(text(QStringLiteral("Edit10")), QStringLiteral("同上"));
    QTest::mouseDClick(get(QStringLiteral("Edit9")), Qt::LeftButton);
    EXPECT_EQ(text(QStringLiteral("Edit9")), QString());
}

TEST_F(TmeiboTest, PickedBirthDateGivesTheAge)
{
    window.mode = 2;
    window.load(kNewWorker);
    showWindow();
    auto pick = [this](const QDate& date) {
        whenModal([this, date] {
            auto* grid = calendar.findChild<QCalendarWidget*>(QStringLiteral("MonthCalendar1"));
            grid->setSelectedDate(date);
            emit grid->clicked(date);
        });
        QTest::mouseClick(get(QStringLiteral("Edit5")), Qt::LeftButton);
    };
    pick(QDate(1980, 2, 29));
    EXPECT_EQ(text(QStringLiteral("Edit5")), QStringLiteral("1980/02/29"));
    EXPECT_EQ(text(QStringLiteral("Edit6")), QStringLiteral("45"));
    EXPECT_EQ(window.focusWidget(), get(QStringLiteral("Edit7")));

    clock::setFixed(QDateTime(QDate(2025, 2, 27), QTime(9, 0)));
    pick(QDate(1980, 2, 29));
    EXPECT_EQ(text(QStringLiteral("Edit6")), QStringLiteral("44"));

    // "閉じる" empties the field and leaves the age.
    whenModal([this] { calendar.findChild<QPushButton*>(QStringLiteral("Button8"))->click(); });
    QTest::mouseClick(get(QStringLiteral("Edit5")), Qt::LeftButton);
    EXPECT_EQ(text(QStringLiteral("Edit5")), QString());
    EXPECT_EQ(text(QStringLiteral("Edit6")), QStringLiteral("44"));
}

TEST_F(TmeiboTest, TypedDatesComputeOnEnterAndBadOnesAreLeftAlone)
{
    window.mode = 2;
    window.load(kNewWorker);
    showWindow();
    setText(QStringLiteral("Edit3"), QStringLiteral("1958/4/1"));
    QTest::keyClick(get(QStringLiteral("Edit3")), Qt::Key_Return);
    EXPECT_EQ(text(QStringLiteral("Edit3")), QStringLiteral("1958/04/01"));
    EXPECT_EQ(text(QStringLiteral("Edit4")), QStringLiteral("66"));
    EXPECT_EQ(QApplication::focusWidget(), get(QStringLiteral("Edit5")));

    setText(QStringLiteral("Edit5"), QStringLiteral("昭和55年"));
    setText(QStringLiteral("Edit6"), QStringLiteral("7"));
    QTest::keyClick(get(QStringLiteral("Edit5")), Qt::Key_Return);
    EXPECT_EQ(text(QStringLiteral("Edit5")), QStringLiteral("昭和55年"));
    EXPECT_EQ(text(QStringLiteral("Edit6")), QStringLiteral("7"));
    EXPECT_TRUE(dialogs.messages.isEmpty());
}

TEST_F(TmeiboTest, TodayDatesAndCalculatorFields)
{
    window.mode = 2;
    window.load(kNewWorker);
    showWindow();
    whenModal([this] { calendar.reject(); }); // the close box keeps the date shown
    QTest::mouseClick(get(QStringLiteral("Edit11")), Qt::LeftButton);
    EXPECT_EQ(text(QStringLiteral("Edit11")), QStringLiteral("2025/2/28"));
    EXPECT_EQ(window.focusWidget(), get<QComboBox>(QStringLiteral("ComboBox1")));

    whenModal([this] {
        calculator.findChild<QPushButton*>(QStringLiteral("Key4"))->click();
        calculator.findChild<QPushButton*>(QStringLiteral("Key2"))->click();
        calculator.accept();
    });
    QTest::mouseClick(get(QStringLiteral("Edit6")), Qt::LeftButton);
    EXPECT_EQ(text(QStringLiteral("Edit6")), QStringLiteral("42"));
    EXPECT_EQ(window.focusWidget(), get<QPushButton>(QStringLiteral("Button1")));
}

TEST_F(TmeiboTest, BloodPressurePicker)
{
    window.mode = 2;
    window.load(kNewWorker);
    showWindow();
    auto* field = get(QStringLiteral("Edit26"));
    auto* high = get<QComboBox>(QStringLiteral("ComboBox2"));
    auto* low = get<QComboBox>(QStringLiteral("ComboBox3"));
    field->setText(QStringLiteral("95～60"));
    QTest::mouseClick(field, Qt::LeftButton);
    EXPECT_TRUE(high->isVisible());
    EXPECT_EQ(high->currentText(), QStringLiteral("95"));
    EXPECT_EQ(low->currentText(), QStringLiteral("60"));

    high->setCurrentText(QStringLiteral("130"));
    emit high->activated(high->currentIndex());
    EXPECT_EQ(field->text(), QStringLiteral("130～60"));
    EXPECT_TRUE(high->isVisible());
    low->setCurrentText(QStringLiteral("85"));
    emit low->activated(low->currentIndex());
    EXPECT_EQ(field->text(), QStringLiteral("130～85"));
    EXPECT_FALSE(high->isVisible());

    field->setText(QStringLiteral("120～80"));
    QTest::mouseClick(field, Qt::LeftButton);
    EXPECT_EQ(high->currentText(), QStringLiteral("120"));
    EXPECT_EQ(low->currentText(), QStringLiteral("80"));
    QTest::mouseMove(get<QWidget>(QStringLiteral("GroupBox3")), QPoint(5, 5));
    EXPECT_FALSE(high->isVisible());
}

TEST_F(TmeiboTest, EraTableFillsTheEmploymentYear)
{
    window.mode = 2;
    window.load(kNewWorker);
    showWindow();
    auto* button = get<QPushButton>(QStringLiteral("Button3"));
    auto* table = get<QTableWidget>(QStringLiteral("StringGrid1"));
    EXPECT_FALSE(table->isVisible());
    EXPECT_EQ(table->rowCount(), 145);
    button->click();
    EXPECT_TRUE(table->isVisible());
    EXPECT_EQ(button->text(), QStringLiteral("閉じる"));
    EXPECT_EQ(table->item(0, 0)->text(), QStringLiteral("令和19年"));
    emit table->cellDoubleClicked(2, 0);
    EXPECT_EQ(text(QStringLiteral("Edit3")), QStringLiteral("2035/"));
    EXPECT_FALSE(table->isVisible());
    EXPECT_EQ(button->text(), QStringLiteral("年号参照"));
}
