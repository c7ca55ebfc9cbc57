#include "Fixtures.h"
#include "common/Error.h"
#include "common/TextFile.h"
#include "registry/Registry.h"
#include "support/TempHome.h"

#include <gtest/gtest.h>

using namespace mirevo;
using namespace mirevo::test;

namespace {

TEST(RegistryReload, UnchangedFileBringsBackWhatWasRead)
{
    TempHome home;
    Registry saved;
    putCompany(saved, 1, QStringLiteral("一次工業"));
    saved.save();
    Registry r;
    r.load();
    r.companies.setCell(company::Name, 1, QStringLiteral("未保存の変更"));
    r.workers.setRowCount(3);
    r.load(); // the file is as it was: back to its contents
    EXPECT_EQ(r.companies.cell(company::Name, 1), QStringLiteral("一次工業"));
    EXPECT_EQ(r.workers, saved.workers);
}

TEST(RegistryReload, ChangedBytesOfTheSameSizeAreRead)
{
    TempHome home;
    Registry saved;
    putCompany(saved, 1, QStringLiteral("AAAA"));
    saved.save();
    Registry r;
    r.load();
    putCompany(saved, 1, QStringLiteral("BBBB")); // same size, same second
    saved.save();
    r.load();
    EXPECT_EQ(r.companies.cell(company::Name, 1), "BBBB");
}

TEST(RegistryReload, AFailedReadIsRepeated)
{
    TempHome home;
    Registry saved;
    putCompany(saved, 1, QStringLiteral("一次工業"));
    saved.save();
    QByteArray bytes = TempHome::readBytes(Registry::fileName());
    TempHome::writeBytes(Registry::fileName(), bytes.left(bytes.size() / 2));
    Registry r;
    EXPECT_THROW(r.load(), Error);
    EXPECT_THROW(r.load(), Error); // still reported, not taken as read
}

} // namespace
