// The web page copy: one page that fits a narrow window, each topic a
// section under its ID that ends with a link back to the contents (the
// contents itself excepted), jumps as links within the page, keys and
// commands marked, lists grouped, text escaped.
#include <gtest/gtest.h>

#include "HelpSource.h"
#include "HtmlPage.h"

namespace unitora::help {
namespace {

TEST(HtmlPage, HoldsEveryTopicAsASectionWithLinksWithinThePage) {
    const std::string page = WriteHtmlPage(ReadHelpSource({{"help.txt",
                                                            "@title ヘルプ <1>\n"
                                                            "= a 最初\n"
                                                            "- 一 [[b]]\n"
                                                            "- 二\n"
                                                            "段落 & <b>\n"
                                                            "= b 次\n"
                                                            "== 見出し\n"
                                                            "{Ctrl+<}、`reg /f` と {F1}\n"}}));
    for (const char* part : {
             "<meta charset=\"utf-8\">",
             "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">",
             "<title>ヘルプ &lt;1&gt;</title>",
             "<section id=\"a\">\n<h1>最初</h1>\n<ul>\n<li>一 <a href=\"#b\">次</a></li>\n<li>二</li>\n</ul>\n"
             "<p>段落 &amp; &lt;b&gt;</p>\n</section>",
             "<section id=\"b\">\n<h2>次</h2>\n<h3>見出し</h3>\n"
             "<p><kbd>Ctrl+&lt;</kbd>、<code>reg /f</code> と <kbd>F1</kbd></p>\n"
             "<p class=\"back\"><a href=\"#a\">目次へ戻る</a></p>\n</section>",
         }) {
        EXPECT_NE(std::string::npos, page.find(part)) << part;
    }
}

}  // namespace
}  // namespace unitora::help
