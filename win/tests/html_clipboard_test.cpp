// "HTML Format" read back as a program that pastes it reads it: by the
// header's byte offsets alone.

#include <string>

#include <gtest/gtest.h>

#include "win/clipboard.h"

namespace {

std::size_t Offset(const std::string& data, const std::string& name) {
    const std::size_t at = data.find("\r\n" + name + ":");
    return at == std::string::npos ? 0 : std::stoul(data.substr(at + name.size() + 3, 10));
}

TEST(HtmlClipboardFormat, OffsetsFindTheDocumentAndTheFragment) {
    // Offsets count bytes of the UTF-8, not characters.
    for (const std::string fragment : {"<table><tr><td>R1</td></tr></table>", "<td>Rezisten\u021B\u0103 \u2126</td>"}) {
        const std::string data = quorvel::win::HtmlClipboardFormat(fragment);
        ASSERT_TRUE(data.starts_with("Version:0.9\r\n")) << data;
        const std::size_t start_html = Offset(data, "StartHTML"), end_html = Offset(data, "EndHTML");
        const std::size_t start = Offset(data, "StartFragment"), end = Offset(data, "EndFragment");
        EXPECT_EQ(end_html, data.size());
        EXPECT_TRUE(data.substr(start_html, end_html - start_html).starts_with("<html>")) << data;
        EXPECT_TRUE(data.substr(0, end_html).ends_with("</html>")) << data;
        EXPECT_TRUE(data.substr(0, start).ends_with("<!--StartFragment-->")) << data;
        EXPECT_TRUE(data.substr(end).starts_with("<!--EndFragment-->")) << data;
        EXPECT_EQ(data.substr(start, end - start), fragment);
    }
}

}  // namespace
