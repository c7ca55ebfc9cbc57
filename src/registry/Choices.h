#pragma once
#include <QStringList>

namespace mirevo::choices {

// The value lists of the company fields' drop-downs, shared by the project
// window and the registration window.
const QStringList& licenceKinds(); // "大臣 特定" … "知事 一般"
const QStringList& authorities();  // "契約書記載のとおり", "口頭による"
const QStringList& enrolments();   // "加入", "未加入", "適用除外"
const QStringList& presence();     // "無し", "有り"
QStringList numbers(int first, int last);
// "0 : 元請" followed by "1" … "20".
QStringList upperCompanyNumbers();

} // namespace mirevo::choices
