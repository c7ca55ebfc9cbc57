#pragma once
#include <QString>
#include <QStringList>

#include <vector>

namespace mirevo::workerimport {

// Headings that name no column of the worker record.
constexpr int kUnknownHeading = -1;
// Headings known but not imported (a list's own numbering, "No.").
constexpr int kIgnoredHeading = -2;

// The worker record column each heading names, by name and not by place:
// the headings the registry writes and the usual alternatives (フリガナ,
// 名前, 住所, 電話番号, …), in full-width or half-width forms, blanks ignored.
// The three education, skill-training and licence columns are told apart
// by a trailing ①②③ or 1 2 3; a heading of only "②" or "③" continues the
// group before it, as the registry writes them. `unknown` receives the
// headings that match nothing.
std::vector<int> matchHeadings(const QStringList& headings, QStringList* unknown);

} // namespace mirevo::workerimport
