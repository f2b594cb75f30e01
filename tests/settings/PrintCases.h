#pragma once
// A table of settings dialogs with what the first printed page of each holds
// for the default data file, and what it must not hold.
#include <gtest/gtest.h>

#include <cstddef>
#include <memory>
#include <string>
#include <vector>

#include "ImageDiff.h"
#include "settings/SettingsPrint.h"

namespace SettingsTest {

struct PrintCase {
    std::unique_ptr<Settings::SettingsDialogModel> (*make)();
    std::vector<std::string> present;
    std::vector<std::string> absent;
};

// Prints each dialog's first page of the default data file (a test host must
// be in place) and looks for the texts.
template <std::size_t N>
void ExpectFirstPages(const PrintCase (&cases)[N]) {
    const CloneImage image = DefaultImage();
    for (const PrintCase& c : cases) {
        Settings::SettingsPrint print(c.make(), image);
        std::string out;
        print.RenderPage(out, &image);
        for (const auto& text : c.present)
            EXPECT_NE(out.find(text), std::string::npos) << text << "\n" << out;
        for (const auto& text : c.absent) EXPECT_EQ(out.find(text), std::string::npos) << text << "\n" << out;
    }
}

}  // namespace SettingsTest
