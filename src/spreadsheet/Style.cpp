#include "Style.h"

#include "SheetError.h"

#include <string>

namespace mirevo::sheet {

namespace {

// Automation XlLineStyle codes.
constexpr int xlContinuous = 1;
constexpr int xlDash = -4115;
constexpr int xlDashDot = 4;
constexpr int xlDashDotDot = 5;
constexpr int xlDot = -4118;
constexpr int xlDouble = -4119;
constexpr int xlSlantDashDot = 13;
constexpr int xlLineStyleNone = -4142;
constexpr int xlMediumConstant = -4138;

} // namespace

Line lineFromAutomation(int lineStyle, int weight)
{
    if (weight == xlMediumConstant)
        weight = 3;
    if (weight < 1 || weight > 4)
        throw SheetError("罫線の太さが正しくありません: " + std::to_string(weight));
    const bool heavy = weight >= 3;
    switch (lineStyle) {
    case xlLineStyleNone:
        return Line::None;
    case xlContinuous: {
        static const Line byWeight[] = {Line::Hair, Line::Thin, Line::Medium, Line::Thick};
        return byWeight[weight - 1];
    }
    case xlDash:
        return heavy ? Line::MediumDashed : Line::Dashed;
    case xlDashDot:
        return heavy ? Line::MediumDashDot : Line::DashDot;
    case xlDashDotDot:
        return heavy ? Line::MediumDashDotDot : Line::DashDotDot;
    case xlDot:
        return Line::Dotted;
    case xlDouble:
        return Line::Double;
    case xlSlantDashDot:
        return Line::SlantDashDot;
    default:
        throw SheetError("罫線の種類が正しくありません: " + std::to_string(lineStyle));
    }
}

int automationLineStyle(Line line)
{
    switch (line) {
    case Line::None:
        return xlLineStyleNone;
    case Line::Dashed:
    case Line::MediumDashed:
        return xlDash;
    case Line::DashDot:
    case Line::MediumDashDot:
        return xlDashDot;
    case Line::DashDotDot:
    case Line::MediumDashDotDot:
        return xlDashDotDot;
    case Line::Dotted:
        return xlDot;
    case Line::Double:
        return xlDouble;
    case Line::SlantDashDot:
        return xlSlantDashDot;
    default:
        return xlContinuous;
    }
}

int automationWeight(Line line)
{
    switch (line) {
    case Line::Hair:
        return 1;
    case Line::Medium:
    case Line::MediumDashed:
    case Line::MediumDashDot:
    case Line::MediumDashDotDot:
    case Line::SlantDashDot:
    case Line::Double:
        return 3;
    case Line::Thick:
        return 4;
    default:
        return 2;
    }
}

} // namespace mirevo::sheet
