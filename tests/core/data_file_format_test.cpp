#include "image/DataFile.h"

#include <gtest/gtest.h>

using namespace tlv;

namespace {

std::string Magic() {
    return "QDM74";
}

// Image byte k holds k mod 256, so every position is recognisable in the text.
std::string CountingImage(std::size_t bytes) {
    std::string image;
    for (std::size_t k = 0; k < bytes; ++k)
        image += static_cast<char>(k & 0xFF);
    return image;
}

std::string HexOf(std::size_t k) {
    const char* digits = "0123456789ABCDEF";
    return {digits[(k >> 4) & 0x0F], digits[k & 0x0F]};
}

TEST(DataFileImageText, RefusesWhatIsNotAChannelDataFile) {
    for (const std::string& bytes :
         {std::string(), std::string("QDM7"), std::string("QDM74"), "qdm74" + CountingImage(848),
          "QDM75" + CountingImage(848), std::string("Hello, this is a text file\n"),
          Magic() + CountingImage(815)}) {
        SCOPED_TRACE(bytes.size());
        EXPECT_FALSE(DataFileImageText(bytes).has_value());
    }
}

TEST(DataFileImageText, TakesTheImageAfterTheMagic) {
    for (std::size_t imageBytes : {816u, 830u, 848u, 850u}) {
        SCOPED_TRACE(imageBytes);
        auto text = DataFileImageText(Magic() + CountingImage(imageBytes));
        ASSERT_TRUE(text.has_value());
        ASSERT_EQ(text->size(), static_cast<std::size_t>(kImageDigits));
        for (std::size_t k : {0u, 1u, 255u, 256u, 815u})
            EXPECT_EQ(text->substr(2 * k, 2), HexOf(k));
        // Past the end of a short file the fill byte; bytes past the image are dropped.
        std::string last = imageBytes >= 848 ? HexOf(847) : "FF";
        EXPECT_EQ(text->substr(2 * 847, 2), last);
    }
}

TEST(DataFileContent, IsTheMagicAndTheImageBytes) {
    std::string text;
    for (std::size_t k = 0; k < 848; ++k)
        text += HexOf(k);
    std::string content = DataFileContent(text);
    EXPECT_EQ(content, Magic() + CountingImage(848));
    EXPECT_EQ(content.size(), kDataFileBytes);
}

} // namespace
