#pragma once
#include <QString>
#include <array>

namespace mirevo::worker {

// The twelve roles a worker can hold, each shown as one check box and
// stored in column 4 as a tag followed by one ASCII blank.
constexpr int kRoleCount = 12;

struct Role {
    QString tag;     // "[現] ", with its trailing blank
    QString key;     // what reading the text looks for: "現", "1特"
    QString caption; // the check box text
};

const std::array<Role, kRoleCount>& roles();

using RoleChecks = std::array<bool, kRoleCount>;

// Column 4: the tags of the checked roles, in role order.
QString roleText(const RoleChecks& checked);
// A role is checked exactly when the text contains its key anywhere.
RoleChecks rolesFromText(const QString& text);

} // namespace mirevo::worker
