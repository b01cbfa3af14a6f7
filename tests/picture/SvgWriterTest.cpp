#include <gtest/gtest.h>

#include <regex>
#include <string>
#include <vector>

#include "picture/SvgWriter.h"

namespace {

// Checks the basics of well-formed XML that a writer can get wrong: one
// declaration, tags that nest and close, attributes quoted, and no bare '<'
// or '&' in text. Returns the names of the elements in document order.
std::vector<std::string> ElementsOfWellFormed(const std::string& xml) {
  EXPECT_EQ(xml.rfind("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n", 0), 0u);
  std::vector<std::string> open, elements;
  const std::regex tag(R"(<(/?)([a-z]+)((?:\s+[a-zA-Z-]+="[^"<&]*")*)\s*(/?)>)");
  const std::regex entity(R"(&(lt|gt|amp|quot);)");
  std::size_t at = xml.find("?>") + 2;
  while (at < xml.size()) {
    const std::size_t next = xml.find('<', at);
    const std::string text = xml.substr(at, next - at);
    EXPECT_EQ(std::regex_replace(text, entity, "").find('&'), std::string::npos) << text;
    if (next == std::string::npos) break;
    std::smatch match;
    const std::string rest = xml.substr(next);
    if (!std::regex_search(rest, match, tag, std::regex_constants::match_continuous)) {
      ADD_FAILURE() << "not a tag: " << rest.substr(0, 40);
      break;
    }
    if (match[1] == "/") {
      if (open.empty()) {
        ADD_FAILURE() << "closes what is not open: " << match[2];
        break;
      }
      EXPECT_EQ(open.back(), match[2]);
      open.pop_back();
    } else {
      EXPECT_TRUE(!open.empty() || elements.empty()) << "a second root";
      elements.push_back(match[2]);
      if (match[4] != "/") open.push_back(match[2]);
    }
    at = next + std::size_t(match.length());
  }
  EXPECT_TRUE(open.empty());
  return elements;
}

TEST(SvgWriterTest, WritesWellFormedSvgWithOneElementPerPrimitive) {
  picture::Scene scene;
  scene.width = 320;
  scene.height = 200.5;
  scene.primitives = {
      picture::FilledRect{10, 20.25, 30, 40, {255, 0, 0, 128}},
      picture::Polyline{{{0, 0}, {1.5, 2}, {3, -4}}, {0, 0, 255}, 2},
      picture::Label{{5, 6}, "up <& \"down\">", 11, {}, picture::Anchor::End},
  };
  const std::string svg = picture::WriteSvg(scene);
  EXPECT_EQ(ElementsOfWellFormed(svg), (std::vector<std::string>{"svg", "rect", "rect", "polyline", "text"}));
  for (const char* expected :
       {"width=\"320\" height=\"200.5\" viewBox=\"0 0 320 200.5\"", "<rect x=\"0\" y=\"0\" width=\"320\"",
        "y=\"20.25\"", "fill=\"#ff0000\" fill-opacity=\"0.5\"", "points=\"0,0 1.5,2 3,-4\"", "stroke=\"#0000ff\"",
        "text-anchor=\"end\"", ">up &lt;&amp; &quot;down&quot;&gt;</text>"})
    EXPECT_NE(svg.find(expected), std::string::npos) << expected;
}

}  // namespace
