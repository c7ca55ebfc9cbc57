#include "input/Calculator.h"

#include "common/Error.h"
#include "support/QtPrinters.h"
#include "support/ScriptedDialogs.h"
#include "support/TempHome.h"

#include <QStringList>
#include <gtest/gtest.h>

using mirevo::Calculator;
using Key = Calculator::Key;
using Pattern = Calculator::Pattern;

namespace {

Key keyOf(const QString& token)
{
    static const QList<QPair<QString, Key>> named{
        {QStringLiteral("."), Key::Point},    {QStringLiteral("+/-"), Key::Sign},  {QStringLiteral("÷"), Key::Divide},
        {QStringLiteral("✕"), Key::Multiply}, {QStringLiteral("－"), Key::Minus},  {QStringLiteral("＋"), Key::Plus},
        {QStringLiteral("％"), Key::Percent}, {QStringLiteral("＝"), Key::Equals}, {QStringLiteral("C"), Key::Clear},
    };
    if (token.size() == 1 && token[0].isDigit())
        return Calculator::digit(token[0].digitValue());
    for (const auto& [text, key] : named)
        if (text == token)
            return key;
    ADD_FAILURE() << "unknown key " << token.toStdString();
    return Key::Clear;
}

// Presses the blank-separated keys in order.
void press(Calculator& calc, const char* keys)
{
    for (const QString& token : QString::fromUtf8(keys).split(u' ', Qt::SkipEmptyParts))
        calc.press(keyOf(token));
}

struct Sequence {
    const char* keys;
    const char* value;
    const char* display;
    const char* mark;
    const char* trace;
};

void PrintTo(const Sequence& s, std::ostream* os)
{
    *os << s.keys;
}

class KeySequences : public ::testing::TestWithParam<Sequence> { };

TEST_P(KeySequences, GiveValueDisplayMarkAndTrace)
{
    const Sequence& s = GetParam();
    Calculator calc;
    press(calc, s.keys);
    EXPECT_EQ(calc.valueText(), QString::fromUtf8(s.value));
    EXPECT_EQ(calc.display(), QString::fromUtf8(s.display));
    EXPECT_EQ(calc.mark(), QString::fromUtf8(s.mark));
    EXPECT_EQ(calc.trace(), QString::fromUtf8(s.trace));
}

INSTANTIATE_TEST_SUITE_P(
    Operations, KeySequences,
    ::testing::Values(Sequence{"1 2 ＋ 3 ＝", "15", "15", "", "12 ＋ 3 ="},
                      Sequence{"1 2 ＋ 3 ＝ ＝", "18", "18", "", "15 ＋ 3 ="},
                      Sequence{"3 ＋ 4 ✕ 5 ＝", "35", "35", "", "7 ✕ 5 ="}, Sequence{"3 ＋ 4 ✕", "7", "7", "✕", "7 ✕"},
                      Sequence{"9 － 1 2 ＝", "-3", "-3", "", "9 － 12 ="},
                      Sequence{"7 ÷ 2 ＝", "3.5", "3.5", "", "7 ÷ 2 ="},
                      Sequence{"2 ÷ 3 ＝", "0.666666666666667", ".67", "", "2 ÷ 3 ="},
                      Sequence{"1 ÷ 3 ✕ 3 ＝", "1", "1", "", "0.333333333333333 ✕ 3 ="},
                      Sequence{"1 0 0 0 0 0 0 ÷ 3 ＝", "333333.333333333", "333,333.33", "", "1000000 ÷ 3 ="},
                      Sequence{"5 ＝", "0", "0", "", "5 ="}, Sequence{"1 2 ＋", "12", "12", "＋", "12 ＋"},
                      Sequence{"1 2 ＋ ✕ 2 ＝", "24", "24", "", "12 ✕ 2 ="}));

INSTANTIATE_TEST_SUITE_P(Percent, KeySequences,
                         ::testing::Values(Sequence{"2 0 0 ＋ 1 0 ％ ＝", "220", "220", "", "200 ＋ 20 ="},
                                           Sequence{"2 0 0 ✕ 1 0 ％", "20", "20", "％", "200 ✕ 20"},
                                           Sequence{"2 0 0 － 5 ％ ＝", "190", "190", "", "200 － 10 ="},
                                           // Without a second operand the key does nothing.
                                           Sequence{"2 0 0 ％", "200", "200", "", "200"}));

INSTANTIATE_TEST_SUITE_P(EnteringNumbers, KeySequences,
                         ::testing::Values(Sequence{"1 2 3 4 5 6 7", "1234567", "1,234,567", "", "1234567"},
                                           Sequence{". 5", "0.5", "0.5", "", "0.5"},
                                           Sequence{". 5 . 2", "0.52", "0.52", "", "0.52"},
                                           Sequence{"3 ＋ . 5 . 2", "0.52", "0.52", "", "3 ＋ 0.52"},
                                           Sequence{"3 ＋ . 5 ＝", "3.5", "3.5", "", "3 ＋ 0.5 ="},
                                           Sequence{"0 ＋ . 5 ＝", "0.5", ".5", "", "0 ＋ 0.5 ="},
                                           Sequence{".", "0.", "", "", "0."}, Sequence{"1 .", "1.", "1", "", "1."},
                                           Sequence{"0", "00", "0", "", "00"}, Sequence{"0 5", "005", "5", "", "005"},
                                           Sequence{"1 2 3 4 . 5 6 7", "1234.567", "1,234.57", "", "1234.567"}));

INSTANTIATE_TEST_SUITE_P(
    Signs, KeySequences,
    ::testing::Values(Sequence{"+/- 5", "-5", "-5", "", "-5"}, Sequence{"5 +/-", "-5", "-5", "", "-5"},
                      Sequence{"5 +/- +/-", "5", "5", "", "5"}, Sequence{"+/-", "-", "-", "", ""},
                      Sequence{"+/- +/-", "0", "", "", "0"}, Sequence{"+/- 0 5", "-0", "0", "", "-0"},
                      Sequence{"+/- 0 . 5", "-0.5", "-0.5", "", "-0.5"}, Sequence{"3 ＋ +/-", "-", "-", "＋", "3 ＋"},
                      Sequence{"3 ＋ +/- 2 ＝", "1", "1", "", "3 ＋ -2 ="},
                      Sequence{"3 ＋ +/- 0 . 5 ＝", "2.5", "2.5", "", "3 ＋ -0.5 ="},
                      Sequence{"0 － 1 2 3 4 . 5 ＝", "-1234.5", "-1,234.5", "", "0 － 1234.5 ="}));

INSTANTIATE_TEST_SUITE_P(AfterEquals, KeySequences,
                         ::testing::Values(Sequence{"1 2 ＋ 3 ＝ 4", "4", "4", "", "4"},
                                           // "0" starts afresh by clearing everything first.
                                           Sequence{"1 2 ＋ 3 ＝ 0", "00", "0", "", "00"},
                                           Sequence{"1 2 ＋ 3 ＝ .", "0.", "", "", "0."},
                                           Sequence{"1 2 ＋ 3 ＝ +/-", "-", "-", "", ""},
                                           // An operator key goes on with the result.
                                           Sequence{"1 ＋ 2 ＝ ＋ 0 ＝", "3", "3", "", "3 ＋ 0 ="},
                                           Sequence{"1 ＋ 2 ＝ ✕ 4 ＝", "12", "12", "", "3 ✕ 4 ="},
                                           Sequence{"1 2 ＋ 3 C", "0", "0", "", ""}));

TEST(CalculatorTest, ClearKeepsThePendingOperation)
{
    Calculator calc;
    press(calc, "1 2 ＋ 3 C");
    EXPECT_EQ(calc.operation(), u"+");
    EXPECT_EQ(calc.firstOperand(), 0);
    EXPECT_EQ(calc.operand(), 1);
    press(calc, "5 ＝");
    EXPECT_EQ(calc.valueText(), u"0"); // 0 + 0: the operand typed after "C" is the first
}

// A failing key reports an error and leaves every value as it was; an
// operator key has already shown its mark.
struct Failure {
    const char* before;
    Key key;
    const char* markAfter;
};

void PrintTo(const Failure& f, std::ostream* os)
{
    *os << f.before;
}

class FailingKeys : public ::testing::TestWithParam<Failure> { };

TEST_P(FailingKeys, ChangeNothingButTheMark)
{
    const Failure& f = GetParam();
    Calculator calc;
    press(calc, f.before);
    const Calculator before = calc;
    EXPECT_THROW(calc.press(f.key), mirevo::Error);
    EXPECT_EQ(calc.valueText(), before.valueText());
    EXPECT_EQ(calc.display(), before.display());
    EXPECT_EQ(calc.trace(), before.trace());
    EXPECT_EQ(calc.firstOperand(), before.firstOperand());
    EXPECT_EQ(calc.secondOperand(), before.secondOperand());
    EXPECT_EQ(calc.result(), before.result());
    EXPECT_EQ(calc.operation(), before.operation());
    EXPECT_EQ(calc.operand(), before.operand());
    EXPECT_EQ(calc.mark(), QString::fromUtf8(f.markAfter));
}

INSTANTIATE_TEST_SUITE_P(Errors, FailingKeys,
                         ::testing::Values(Failure{"5 ÷ 0", Key::Equals, ""}, Failure{"5 ÷ 0", Key::Plus, "＋"},
                                           Failure{"8 ＋ 2 ＝ ÷ 0 . 0", Key::Equals, ""},
                                           Failure{"+/-", Key::Plus, "＋"}, Failure{"+/-", Key::Divide, "÷"},
                                           Failure{"3 ＋ +/-", Key::Equals, "＋"},
                                           Failure{"3 ＋ +/-", Key::Minus, "－"},
                                           Failure{"3 ＋ +/-", Key::Percent, "＋"}));

struct Format {
    double value;
    Pattern pattern;
    const char* text;
};

TEST(CalculatorTest, DisplayPatterns)
{
    const Format cases[] = {
        {0, Pattern::ZeroShown, "0"},
        {0, Pattern::ZeroBlank, ""},
        {2.0 / 3, Pattern::ZeroBlank, ".67"},
        {2.0 / 3, Pattern::ZeroShown, "0.67"},
        {1234567.891, Pattern::ZeroShown, "1,234,567.89"},
        {-0.5, Pattern::ZeroBlank, "-.5"},
        {-0.001, Pattern::ZeroShown, "0"},
        {-0.001, Pattern::ZeroBlank, ""},
        {999.999, Pattern::ZeroShown, "1,000"},
        {100, Pattern::ZeroBlank, "100"},
        {-1234, Pattern::ZeroBlank, "-1,234"},
        {123456, Pattern::ZeroShown, "123,456"},
        {0.1, Pattern::ZeroShown, "0.1"},
    };
    for (const Format& c : cases)
        EXPECT_EQ(Calculator::formatted(c.value, c.pattern), QString::fromUtf8(c.text)) << c.value;
}

TEST(CalculatorTest, ValueTextsUseFifteenSignificantDigits)
{
    const QPair<double, const char*> cases[] = {
        {15, "15"},         {2.0 / 3, "0.666666666666667"},       {0.1 + 0.2, "0.3"}, {-0.0, "0"}, {1e20, "1E20"},
        {1.5e-7, "1.5E-7"}, {123456789012345, "123456789012345"}, {-2.5, "-2.5"},
    };
    for (const auto& [value, text] : cases)
        EXPECT_EQ(Calculator::numberText(value), QString::fromUtf8(text)) << value;
}

TEST(CalculatorTest, OverflowIsAnErrorNotInfinity)
{
    // Repeated "＝" multiplies by 1E10 again and again until a double overflows.
    Calculator calc;
    press(calc, "1 0 0 0 0 0 0 0 0 0 0 ✕ 1 0 0 0 0 0 0 0 0 0 0 ＝");
    for (int i = 0; i < 40; ++i) {
        try {
            calc.press(Key::Equals);
        } catch (const mirevo::Error&) {
            EXPECT_FALSE(calc.valueText().contains(u"inf"));
            return;
        }
    }
    FAIL() << "no overflow reported: " << calc.valueText().toStdString();
}

TEST(CalculatorTest, MultiPurposeButtonTogglesTranslucency)
{
    Calculator calc;
    EXPECT_EQ(calc.multiCaption(), u"半透明");
    calc.pressMulti();
    EXPECT_TRUE(calc.translucent());
    EXPECT_EQ(calc.multiCaption(), u"表示ＯＮ");
    calc.press(Key::Clear); // the caption keeps telling the translucency
    EXPECT_EQ(calc.multiCaption(), u"表示ＯＮ");
    calc.pressMulti();
    EXPECT_FALSE(calc.translucent());
    EXPECT_EQ(calc.multiCaption(), u"半透明");
}

TEST(CalculatorTest, PointInTheFirstOperandOffersTheTaxRate)
{
    const QPair<const char*, const char*> cases[] = {
        {"5 .", "税率設定"},    {". 5", "税率設定"},         {"3 ＋ .", "半透明"}, {"3 ＋ . 5", "半透明"},
        {"3 ＋ 2 .", "半透明"}, {"3 ＋ 2 ＝ .", "税率設定"}, {"5 . C", "半透明"},  {"5", "半透明"},
    };
    for (const auto& [keys, caption] : cases) {
        Calculator calc;
        press(calc, keys);
        EXPECT_EQ(calc.multiCaption(), QString::fromUtf8(caption)) << keys;
    }
}

class TaxRateTest : public ::testing::Test {
protected:
    mirevo::test::TempHome home;
    mirevo::test::ScriptedDialogs dialogs;
    Calculator calc;
};

TEST_F(TaxRateTest, YesWritesTheFileAndLeavesTheTaxRateMode)
{
    press(calc, "1 0 .");
    dialogs.answers.push_back(true);
    calc.pressMulti();
    EXPECT_EQ(dialogs.questions, QStringList{QStringLiteral("税率を10.％に設定して保存しますか？")});
    EXPECT_EQ(home.readBytes(home.file(QStringLiteral("zeiritu.ini"))), QByteArray("\r\n10.\r\n"));
    EXPECT_EQ(dialogs.messages, QStringList{QStringLiteral("保存しました")});
    EXPECT_EQ(dialogs.kinds.back(), mirevo::Dialogs::Kind::Information);
    EXPECT_EQ(calc.taxRate(), u"10.");
    EXPECT_EQ(calc.multiCaption(), u"半透明");
    EXPECT_FALSE(calc.translucent());
}

TEST_F(TaxRateTest, NoKeepsTheFileAndTellsTheCurrentRate)
{
    const QString file = home.file(QStringLiteral("zeiritu.ini"));
    press(calc, "8 .");
    dialogs.answers = {true, false};
    calc.pressMulti();
    press(calc, "C 1 0 .");
    calc.pressMulti();
    EXPECT_EQ(dialogs.messages.last(), u"設定変更作業を終了します。現在の税率は8.％です。");
    EXPECT_EQ(home.readBytes(file), QByteArray("\r\n8.\r\n"));
    EXPECT_EQ(calc.multiCaption(), u"税率設定");
}

TEST_F(TaxRateTest, ZeroAsksForANumberFirst)
{
    press(calc, ". ＋ 0");
    ASSERT_EQ(calc.multiCaption(), u"税率設定");
    calc.pressMulti();
    EXPECT_TRUE(dialogs.questions.isEmpty());
    EXPECT_EQ(dialogs.messages,
              QStringList{QStringLiteral(
                  "数値を入力してから税込ボタンを押すと税率設定ができます。例：５→[税込]→［税率保存］")});
    EXPECT_FALSE(QFile::exists(home.file(QStringLiteral("zeiritu.ini"))));
}

TEST_F(TaxRateTest, AFailedWriteKeepsTheOldRate)
{
    qputenv("MIREVO_HOME", home.file(QStringLiteral("missing/folder")).toUtf8());
    press(calc, "5 .");
    dialogs.answers.push_back(true);
    EXPECT_THROW(calc.pressMulti(), mirevo::Error);
    EXPECT_EQ(calc.taxRate(), QString());
    EXPECT_EQ(calc.multiCaption(), u"税率設定");
    EXPECT_TRUE(dialogs.messages.isEmpty());
}

} // namespace
