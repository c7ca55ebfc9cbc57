#include "input/ui/Tdentakukun.h"

#include "ModalRun.h"
#include "support/ScriptedDialogs.h"
#include "support/TempHome.h"

#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <gtest/gtest.h>

namespace {

class TdentakukunTest : public ::testing::Test {
protected:
    QPushButton* key(const QString& name) { return calc.findChild<QPushButton*>(name); }
    QString label(const char* name) { return calc.findChild<QLabel*>(QString::fromLatin1(name))->text(); }

    // Clicks the blank-separated buttons by object name.
    void click(const char* names)
    {
        for (const QString& name : QString::fromLatin1(names).split(u' ', Qt::SkipEmptyParts)) {
            QPushButton* button = key(name);
            ASSERT_NE(button, nullptr) << name.toStdString();
            button->click();
        }
    }

    QString enter(const char* names)
    {
        QString value;
        run(
            calc, [&] { value = enterNumber(calc); }, [&] { click(names); });
        EXPECT_TRUE(run.closedInTime) << names;
        return value;
    }

    mirevo::test::ScriptedDialogs dialogs;
    Tdentakukun calc;
    mirevo::test::ModalRun run;
};

TEST_F(TdentakukunTest, HasTheCaptionSizeAndKeys)
{
    EXPECT_EQ(calc.windowTitle(), u"数値入力用の電卓");
    EXPECT_EQ(calc.size(), QSize(505, 245));
    EXPECT_TRUE(calc.windowFlags() & Qt::WindowStaysOnTopHint);
    const QPair<const char*, const char16_t*> keys[] = {
        {"Key0", u"0"},
        {"Key9", u"9"},
        {"KeyPoint", u"."},
        {"KeySign", u"+/-"},
        {"KeyDivide", u"÷"},
        {"KeyMultiply", u"✕"},
        {"KeyMinus", u"－"},
        {"KeyPlus", u"＋"},
        {"KeyPercent", u"％"},
        {"KeyEquals", u"＝"},
        {"KeyClear", u"C"},
        {"ButtonTouroku", u"登録"},
        {"ButtonCancel", u"キャンセル"},
        {"ButtonMulti", u"半透明"},
    };
    for (const auto& [name, caption] : keys) {
        QPushButton* button = key(QString::fromLatin1(name));
        ASSERT_NE(button, nullptr) << name;
        EXPECT_EQ(button->text(), QString::fromUtf16(caption)) << name;
    }
    EXPECT_EQ(label("Display"), u"0");
}

TEST_F(TdentakukunTest, KeysDriveTheDisplayMarkAndTrace)
{
    calc.show();
    click("Key1 Key2 KeyPlus");
    EXPECT_EQ(label("MarkLabel"), u"＋");
    EXPECT_EQ(label("TraceLabel"), u"12 ＋");
    click("Key3 KeyEquals");
    EXPECT_EQ(label("Display"), u"15");
    EXPECT_EQ(label("MarkLabel"), QString());
    EXPECT_EQ(label("TraceLabel"), u"12 ＋ 3 =");
    click("Key2 KeyDivide Key3 KeyEquals");
    EXPECT_EQ(label("Display"), u".67");
    EXPECT_EQ(calc.valueText(), u"0.666666666666667");
}

TEST_F(TdentakukunTest, BothCloseButtonsHandOverTheValue)
{
    EXPECT_EQ(enter("Key4 Key2 ButtonCancel"), u"42");
    EXPECT_EQ(calc.result(), QDialog::Rejected);
    EXPECT_EQ(enter("Key1 Key2 KeyPlus Key3 KeyEquals ButtonTouroku"), u"15");
    EXPECT_EQ(calc.result(), QDialog::Accepted);
}

TEST_F(TdentakukunTest, EveryOpeningClears)
{
    enter("Key1 KeyPlus Key2 ButtonCancel");
    QString shownAtOpening;
    run(
        calc, [&] { enterNumber(calc); },
        [&] {
            shownAtOpening = label("Display") + u'|' + label("TraceLabel") + u'|' + calc.valueText();
            click("ButtonCancel");
        });
    EXPECT_EQ(shownAtOpening, u"0||0");
}

TEST_F(TdentakukunTest, ErrorsAreReportedAndTheWindowStaysUsable)
{
    calc.show();
    click("Key5 KeyDivide Key0 KeyEquals");
    ASSERT_EQ(dialogs.messages.size(), 1);
    EXPECT_EQ(dialogs.messages[0], u"0 で割ることはできません。");
    EXPECT_EQ(dialogs.kinds[0], mirevo::Dialogs::Kind::Error);
    EXPECT_EQ(calc.valueText(), u"0");
    EXPECT_EQ(label("Display"), u"0");

    click("KeyClear KeySign KeyPlus");
    ASSERT_EQ(dialogs.messages.size(), 2);
    EXPECT_EQ(label("MarkLabel"), u"＋");
    EXPECT_EQ(calc.valueText(), u"-");

    click("Key7 KeyPlus Key1 KeyEquals");
    EXPECT_EQ(label("Display"), u"-6");
    EXPECT_TRUE(calc.isVisible());
}

TEST_F(TdentakukunTest, TranslucencyTogglesAndSurvivesReopening)
{
    click("ButtonMulti");
    EXPECT_NEAR(calc.windowOpacity(), 80 / 255.0, 0.01);
    EXPECT_EQ(key("ButtonMulti")->text(), u"表示ＯＮ");
    enter("ButtonCancel");
    EXPECT_NEAR(calc.windowOpacity(), 80 / 255.0, 0.01);
    EXPECT_EQ(key("ButtonMulti")->text(), u"表示ＯＮ");
    click("ButtonMulti");
    EXPECT_DOUBLE_EQ(calc.windowOpacity(), 1.0);
    EXPECT_EQ(key("ButtonMulti")->text(), u"半透明");
}

TEST_F(TdentakukunTest, TaxRateIsSavedFromTheMultiPurposeButton)
{
    mirevo::test::TempHome home;
    click("Key8 KeyPoint");
    EXPECT_EQ(key("ButtonMulti")->text(), u"税率設定");
    dialogs.answers.push_back(true);
    click("ButtonMulti");
    EXPECT_EQ(home.readBytes(home.file(QStringLiteral("zeiritu.ini"))), QByteArray("\r\n8.\r\n"));
    EXPECT_EQ(dialogs.messages.last(), u"保存しました");
    EXPECT_EQ(key("ButtonMulti")->text(), u"半透明");
}

TEST_F(TdentakukunTest, OpeningMovesAWindowBelowTheScreenUp)
{
    const int screenHeight = calc.screen()->geometry().height();
    calc.move(10, screenHeight - 40);
    calc.prepareOpening();
    EXPECT_EQ(calc.y(), screenHeight - 2 * calc.height());
    calc.move(10, 20);
    calc.prepareOpening();
    EXPECT_EQ(calc.y(), 20);
}

} // namespace

namespace {

TEST_F(TdentakukunTest, KeyboardPressesTheKeys)
{
    calc.show();
    QTest::keyClicks(&calc, QStringLiteral("12+3"));
    QTest::keyClick(&calc, Qt::Key_Return);
    EXPECT_EQ(calc.valueText(), u"15");
    EXPECT_TRUE(calc.isVisible());
    QTest::keyClick(&calc, Qt::Key_Delete);
    EXPECT_EQ(label("Display"), u"0");
    QTest::keyClick(&calc, Qt::Key_Escape);
    EXPECT_FALSE(calc.isVisible());
}

} // namespace
