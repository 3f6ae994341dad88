#include "help/HelpLinks.h"

#include <gtest/gtest.h>

using namespace tlv;

TEST(HelpFilePath, BesideTheProgram) {
    EXPECT_EQ(HelpFilePath("/opt/tlv"), "/opt/tlv/TLV6200.CHM");
    EXPECT_EQ(HelpFilePath("/opt/tlv/"), "/opt/tlv/TLV6200.CHM");
    EXPECT_EQ(HelpFilePath("C:\\tlv\\"), "C:\\tlv\\TLV6200.CHM");
    EXPECT_EQ(HelpFilePath(""), "TLV6200.CHM");
}
