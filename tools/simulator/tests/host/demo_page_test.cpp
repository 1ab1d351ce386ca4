// The demo's page: steps, replies and pictures in the order they came, the texts escaped.
#include <gtest/gtest.h>

#include "tools/simulator/script/demo_page.h"

namespace {

TEST(DemoPage, KeepsTheOrderAndEscapesEveryText) {
    sim::DemoPage page("demo <1>");
    page.Heading("plug & play");
    page.Step(7, "report 01 23 02", "Web/Home \"key\"");
    page.Reply("Hot Key Event = 5");
    page.Picture("01-web.png", "after <Web/Home>");
    const std::string html = page.Html();
    const size_t heading = html.find("<h2>plug &amp; play</h2>");
    const size_t step = html.find("7: report 01 23 02 <span class=\"comment\"># Web/Home &quot;key&quot;</span>");
    const size_t reply = html.find("<pre>Hot Key Event = 5</pre>");
    const size_t picture = html.find("<img src=\"01-web.png\" alt=\"after &lt;Web/Home&gt;\">");
    EXPECT_NE(html.find("<title>demo &lt;1&gt;</title>"), std::string::npos) << html;
    ASSERT_NE(heading, std::string::npos) << html;
    ASSERT_NE(step, std::string::npos) << html;
    ASSERT_NE(reply, std::string::npos) << html;
    ASSERT_NE(picture, std::string::npos) << html;
    EXPECT_TRUE(heading < step && step < reply && reply < picture);
}

}  // namespace
