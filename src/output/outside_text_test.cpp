// Texts from outside (file contents, arguments, the RFC library's texts) in every form of the
// result document: the XML form writes them as plain ASCII that any XML reader parses, the
// message and line forms keep them on their line.

#include <gtest/gtest.h>

#include <string>

#include "output/form_writer.h"
#include "output/result_document.h"
#include "support/xml_check.h"

namespace trevalunda {
namespace {

using namespace std::string_literals;

TEST(OutsideTextTest, XmlFormWritesPlainAsciiThatMeansTheSameInEveryCodePage) {
    struct Case {
        const char* name;
        std::string text;
        std::string escaped;
    } cases[] = {
        {"control character", "PR\001D", "PR?D"},
        {"zero byte", "a\0b"s, "a?b"},
        {"UTF-16 text", "O\0K\0"s, "O?K?"},
        {"delete", "a\x7F", "a?"},
        {"tab, CR and LF stay", "a\tb\rc\nd", "a\tb\rc\nd"},
        {"Latin-1 byte", "f\xFCr", "f&#252;r"},
        {"the same in UTF-8", "f\xC3\xBCr", "f&#252;r"},
        {"byte 0xFF", "\xFF", "&#255;"},
        {"Windows-1252 byte", "\x80", "&#8364;"},
        {"undefined Windows-1252 byte", "\x81", "?"},
        {"C1 control in UTF-8", "\xC2\x85", "?"},
        {"three bytes", "\xE2\x82\xAC", "&#8364;"},
        {"four bytes", "\xF0\x9F\x98\x80", "&#128512;"},
        {"overlong sequence", "\xC0\xAF", "&#192;&#175;"},
        {"encoded surrogate", "\xED\xA0\x80", "&#237;&#160;&#8364;"},
        {"truncated sequence", "\xE2\x82", "&#226;&#8218;"},
        {"sequence cut by ASCII", "\xE2\x82x", "&#226;&#8218;x"},
        {"beyond Unicode", "\xF4\x90\x80\x80", "&#244;?&#8364;&#8364;"},
        {"noncharacter", "\xEF\xBF\xBE", "?"},
        {"markup", "a&b<c>d", "a&amp;b&lt;c&gt;d"},
        {"a reference as input", "&#252;", "&amp;#252;"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(EscapeXml(c.text), c.escaped) << c.name;
        EXPECT_EQ(testing::XmlTextProblem(EscapeXml(c.text)), std::nullopt) << c.name;
    }
}

TEST(OutsideTextTest, PrintableAsciiStaysAsItIs) {
    std::string printable;
    for (char c = ' '; c < '\x7F'; ++c) {
        if (c != '&' && c != '<' && c != '>') {
            printable += c;
        }
    }
    EXPECT_EQ(EscapeXml(printable), printable);
    EXPECT_EQ(WithoutControlCharacters(printable + "&<>"), printable + "&<>");
}

TEST(OutsideTextTest, MessageAndLineFormsKeepTheirLines) {
    EXPECT_EQ(WithoutControlCharacters("No_of\nLocks\r\t\x01\x7F"), "No_of?Locks????");
    EXPECT_EQ(WithoutControlCharacters("f\xFCr \xC3\xBC"), "f\xFCr \xC3\xBC") << "other bytes stay";

    struct Case {
        OutputMode mode;
        std::optional<long> channel;
        std::string expected;
    } cases[] = {
        {OutputMode::Brevanta, std::nullopt,
         "\n# (P?D) x??y\n\nMessage.a?b: a?b (u?v)\nStatistic.a?b: 5?6\n"},
        {OutputMode::Kestrin, std::nullopt, "\n# (P?D) x??y\n> a?b: 5?6 u?v\n"},
        {OutputMode::Kestrin, 1, "5?6\n"},
    };
    for (const Case& c : cases) {
        ResultDocument document(c.mode);
        document.SelectChannel(c.channel);
        document.OpenDocument();
        document.OpenText();
        document.AppendText("(P\nD) ");
        document.AppendText("x\r\ny");
        document.CloseText();
        document.AddChannel("a\nb", "5\n6", "u\rv");
        document.CloseDocument();
        EXPECT_EQ(document.Text(), c.expected) << "mode " << static_cast<int>(c.mode);
    }
}

// Every piece of every document in the XML form, with outside texts in each place they reach.
TEST(OutsideTextTest, XmlDocumentsParseWhateverTheTextsHold) {
    const std::string bad = "PR\x01\x80\xFC<&>\n\0D"s;
    for (OutputMode mode : {OutputMode::Exexml, OutputMode::Lumotex, OutputMode::Morvale}) {
        ResultDocument single(mode);
        single.OpenDocument();
        single.OpenText();
        single.AppendText(bad);
        single.CloseText();
        single.AddChannel(bad, bad, bad);
        single.CloseDocument();
        EXPECT_EQ(testing::XmlDocumentProblem(single.Text()), std::nullopt) << "single";

        // The pieces in the order a multi-system run writes them.
        ResultDocument multi(mode);
        std::string pieces = multi.OpeningPiece() + "\n";
        pieces += multi.ChannelPiece(bad, "1", "");
        const std::string failure = pieces + multi.FailurePiece(bad);
        pieces += multi.TextPiece(bad);
        EXPECT_EQ(testing::XmlDocumentProblem(pieces), std::nullopt) << "multi";
        EXPECT_EQ(testing::XmlDocumentProblem(failure), std::nullopt) << "failure after opening";
    }
    for (OutputMode mode : {OutputMode::Exexml, OutputMode::Brevanta, OutputMode::Kestrin}) {
        ResultDocument document(mode);
        document.MakeErrorDocument(bad);
        EXPECT_EQ(testing::XmlDocumentProblem(document.Text()), std::nullopt)
            << "error document, mode " << static_cast<int>(mode);
    }
}

}  // namespace
}  // namespace trevalunda
