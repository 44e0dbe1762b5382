#include "base/FileNames.h"

#include <gtest/gtest.h>

TEST(FileNames, ExtensionIsTakenFromTheLastComponentAndLowered) {
    struct Case {
        const char* name;
        const char* component;
        const char* extension;
    };
    for (const Case c :
         {Case{"Bank.SF2", "Bank.SF2", ".sf2"}, Case{"Pads\\soft.Nsp", "soft.Nsp", ".nsp"},
          Case{"dir.v2/bank", "bank", ""}, Case{"a.b\\c", "c", ""},
          Case{"archive.tar.GZ", "archive.tar.GZ", ".gz"}, Case{"", "", ""},
          Case{"trailing.", "trailing.", "."}, Case{"x/", "", ""}}) {
        EXPECT_EQ(LastPathComponent(c.name), c.component) << c.name;
        EXPECT_EQ(LowercaseExtension(c.name), c.extension) << c.name;
    }
}
