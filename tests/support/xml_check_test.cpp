#include "support/xml_check.h"

#include <gtest/gtest.h>

namespace trevalunda::testing {
namespace {

// The checker must refuse what a host cannot parse, or the checks that rely on it prove
// nothing.
TEST(XmlCheckTest, RefusesWhatAHostCannotParse) {
    struct Case {
        const char* name;
        std::string document;
    } cases[] = {
        {"control character", "<Prtg><Text>PR\001D</Text></Prtg>"},
        {"byte from 0x80", "<Prtg><Text>f\xFCr</Text></Prtg>"},
        {"bare ampersand", "<Prtg><Text>a & b</Text></Prtg>"},
        {"unknown entity", "<Prtg><Text>&uuml;</Text></Prtg>"},
        {"reference to a control character", "<Prtg><Text>&#1;</Text></Prtg>"},
        {"reference to a surrogate", "<Prtg><Text>&#55296;</Text></Prtg>"},
        {"reference beyond Unicode", "<Prtg><Text>&#x110000;</Text></Prtg>"},
        {"less-than in text", "<Prtg><Text>a<b</Text></Prtg>"},
        {"greater-than in text", "<Prtg><Text>a>b</Text></Prtg>"},
        {"crossed elements", "<Prtg><Text></Prtg></Text>"},
        {"unclosed element", "\n<Prtg>\n<Text>x</Text>\n"},
        {"two roots", "<Prtg></Prtg><Prtg></Prtg>"},
        {"text outside the root", "x<Prtg></Prtg>"},
        {"nothing", "\n"},
    };
    for (const Case& c : cases) {
        EXPECT_TRUE(XmlDocumentProblem(c.document).has_value()) << c.name;
    }
}

TEST(XmlCheckTest, AcceptsTheDocumentsOfTheSensor) {
    const char* documents[] = {
        "\n<Prtg>\n\n<Text>(PRD) Oracle-Locks: No_of_Locks=5 </Text>\n\n<Result><Channel>"
        "No_of_Locks</Channel>\n<Value>5</Value></Result>\n\n</Prtg>\n",
        "<Prtg>\n<Error>1</Error>\n<Text>a &amp; b &lt;c&gt; f&#252;r &#x20AC; &#128512;\t"
        "</Text>\n</Prtg>\n",
    };
    for (const char* document : documents) {
        EXPECT_EQ(XmlDocumentProblem(document), std::nullopt) << document;
    }
    EXPECT_EQ(XmlTextProblem("f&#252;r &amp; ?"), std::nullopt);
    EXPECT_TRUE(XmlTextProblem("<Text>").has_value());
}

}  // namespace
}  // namespace trevalunda::testing
