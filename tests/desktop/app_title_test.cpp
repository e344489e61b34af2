#include "desktop/desktop.h"

#include <gtest/gtest.h>

using rw::applicationTitleFromExecutable;

TEST(ApplicationTitle, NameUpToTheFirstDotCapitalised) {
    EXPECT_EQ(applicationTitleFromExecutable("/opt/ribwright/ribwright"), "Ribwright");
    EXPECT_EQ(applicationTitleFromExecutable("C:/Tools/RIBWRIGHT.EXE"), "Ribwright");
    EXPECT_EQ(applicationTitleFromExecutable("/usr/bin/rib.wright.bin"), "Rib");
    EXPECT_EQ(applicationTitleFromExecutable("/home/a.b/ribWright"), "Ribwright");
    EXPECT_EQ(applicationTitleFromExecutable("/tmp/.hidden"), "");
}
