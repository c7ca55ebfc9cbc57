#pragma once
#include "SiteFixtures.h"
#include "common/Clock.h"
#include "common/ui/WindowSet.h"
#include "input/ui/TForm2.h"
#include "input/ui/Tdentakukun.h"
#include "project/Project.h"
#include "project/ui/TForm1.h"
#include "registry/Registry.h"
#include "roster/ui/Tmeibo.h"
#include "support/ScriptedDialogs.h"
#include "support/TempHome.h"

#include <QWidget>
#include <gtest/gtest.h>
#include <memory>

namespace mirevo::test {

// A project window with the roster window beside it, on a fresh program
// folder, a fixed clock and a company list of four companies; the prime
// contractor is "元請建設". The registration window is replaced by `opener`.
struct SiteWindowFixture : ::testing::Test {
    SiteWindowFixture()
    {
        const QStringList names{QStringLiteral("一次工業"), QStringLiteral("二次興業"), QStringLiteral("三次建材"),
                                QStringLiteral("四次設備")};
        clock::setFixed(QDateTime(QDate(2024, 5, 20), QTime(10, 0, 1)));
        windows.calendar = &calendar;
        windows.calculator = &calculator;
        roster = std::make_unique<Tmeibo>(registry, project, calendar, calculator);
        windows.roster = roster.get();
        registry.companies = companiesNamed(names);
        // Written, so that an activation of the window reads the same list.
        registry.save();
        withPrime(project);
        form = std::make_unique<TForm1>(project, registry, windows);
        form->setRegistrationOpener([this](int mode) {
            modes.push_back(mode);
            if (opener)
                opener(mode);
        });
    }
    ~SiteWindowFixture() override { clock::useSystem(); }

    template <typename T = QWidget> T* find(const char* name) const
    {
        T* w = form->findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(w, nullptr) << name;
        return w;
    }

    TempHome home;
    ScriptedDialogs dialogs;
    Project project;
    Registry registry;
    TForm2 calendar;
    Tdentakukun calculator;
    std::unique_ptr<Tmeibo> roster;
    WindowSet windows;
    std::unique_ptr<TForm1> form;
    std::vector<int> modes;
    std::function<void(int)> opener;
};

} // namespace mirevo::test
