#include "output/result_document.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "output/form_writer.h"

namespace trevalunda {
namespace {

// The single-system lock result, built the way the measurement builds it.
std::string LockResult(OutputMode mode, std::optional<long> channel = std::nullopt) {
    ResultDocument document(mode);
    document.SelectChannel(channel);
    document.OpenDocument();
    document.OpenText();
    document.AppendText("(PRD) Oracle-Locks: No_of_Locks=");
    document.AppendText(GroupThousands("5"));
    document.AppendText(" ");
    document.CloseText();
    document.AddChannel("No_of_Locks", "5", "");
    document.CloseDocument();
    return document.Text();
}

TEST(ResultDocumentTest, LockResultInEveryForm) {
    const std::string xml =
        "\n<Prtg>\n\n<Text>(PRD) Oracle-Locks: No_of_Locks=5 </Text>\n\n<Result><Channel>"
        "No_of_Locks</Channel>\n<Value>5</Value></Result>\n\n</Prtg>\n";
    struct Case {
        OutputMode mode;
        std::optional<long> channel;
        std::string expected;
    } cases[] = {
        {OutputMode::Exexml, std::nullopt, xml},
        {OutputMode::Lumotex, std::nullopt, xml},
        {OutputMode::Morvale, 1, xml},
        {OutputMode::Brevanta, std::nullopt,
         "\n# (PRD) Oracle-Locks: No_of_Locks=5 \n\nMessage.No_of_Locks: No_of_Locks (#)"
         "\nStatistic.No_of_Locks: 5\n"},
        {OutputMode::Kestrin, std::nullopt,
         "\n# (PRD) Oracle-Locks: No_of_Locks=5 \n> No_of_Locks: 5 #\n"},
        {OutputMode::Kestrin, 1, "5\n"},
        {OutputMode::Kestrin, 2, "\n"},
        {OutputMode::Kestrin, 0, "\n"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(LockResult(c.mode, c.channel), c.expected)
            << "mode " << static_cast<int>(c.mode) << " channel " << c.channel.value_or(-1);
    }
}

TEST(ResultDocumentTest, ErrorDocumentIsTheSameInEveryMode) {
    for (OutputMode mode : {OutputMode::Exexml, OutputMode::Brevanta, OutputMode::Kestrin}) {
        ResultDocument document(mode);
        document.OpenDocument();
        document.AppendText("left over");
        document.MakeErrorDocument("Error 1018: DataBase mismatch !");
        EXPECT_EQ(document.Text(),
                  "<Prtg>\n<Error>1</Error>\n<Text>Error 1018: DataBase mismatch !</Text>\n"
                  "</Prtg>\n")
            << static_cast<int>(mode);
    }
}

TEST(ResultDocumentTest, XmlFormEscapesTextsFromOutside) {
    ResultDocument document(OutputMode::Exexml);
    document.OpenText();
    document.AppendText("a<b & c>d");
    document.CloseText();
    document.AddChannel("R&D", "<1>", "a&b");
    EXPECT_EQ(document.Text(),
              "\n<Text>a&lt;b &amp; c&gt;d</Text>\n\n<Result><Channel>R&amp;D</Channel>"
              "\n<Unit>Custom</Unit>\n<CustomUnit>a&amp;b</CustomUnit>"
              "\n<Value>&lt;1&gt;</Value></Result>\n");
    EXPECT_EQ(ErrorDocument("x <&> y"),
              "<Prtg>\n<Error>1</Error>\n<Text>x &lt;&amp;&gt; y</Text>\n</Prtg>\n");
}

TEST(ResultDocumentTest, MessageAndLineFormsAreNotEscaped) {
    ResultDocument message(OutputMode::Brevanta);
    message.AppendText("a<b&");
    EXPECT_EQ(message.Text(), "a<b&");
    ResultDocument line(OutputMode::Kestrin);
    line.AddChannel("a&b", "<1>", "PerCent");
    EXPECT_EQ(line.Text(), "\n> a&b: <1> %");
}

TEST(ResultDocumentTest, ChannelUnitsAndKeys) {
    struct Case {
        OutputMode mode;
        const char* name;
        const char* unit;
        std::string expected;
    } cases[] = {
        {OutputMode::Exexml, "Load", "PerCent",
         "\n<Result><Channel>Load</Channel>\n<Unit>Custom</Unit>\n<CustomUnit>PerCent"
         "</CustomUnit>\n<Value>7</Value></Result>\n"},
        {OutputMode::Brevanta, "CPU-Load (%)", "PerCent",
         "\n\nMessage.CPU_Load__%_: CPU-Load (%) (%)\nStatistic.CPU_Load__%_: 7"},
        {OutputMode::Brevanta, "a.b.c", "TimeResponse",
         "\n\nMessage.a_b.c: a.b.c (mSec)\nStatistic.a_b.c: 7"},
        {OutputMode::Brevanta, "x/y\\z[1]*:", "kB",
         "\n\nMessage.x_y_z_1___: x/y\\z[1]*: (kB)\nStatistic.x_y_z_1___: 7"},
        {OutputMode::Kestrin, "Resp", "TimeResponse", "\n> Resp: 7 mSec"},
    };
    for (const Case& c : cases) {
        ResultDocument document(c.mode);
        document.AddChannel(c.name, "7", c.unit);
        EXPECT_EQ(document.Text(), c.expected) << c.name;
    }
}

TEST(ResultDocumentTest, MessageFormWritesAtMostTenChannelsButCountsAll) {
    ResultDocument document(OutputMode::Brevanta);
    for (int i = 1; i <= 11; ++i) {
        document.AddChannel("C", std::to_string(i), "");
    }
    EXPECT_EQ(document.ChannelCounter(), 11);
    EXPECT_NE(document.Text().find("Statistic.C: 10"), std::string::npos);
    EXPECT_EQ(document.Text().find("Statistic.C: 11"), std::string::npos);
}

TEST(ResultDocumentTest, LineFormSelectsByRunningChannelNumber) {
    ResultDocument document(OutputMode::Kestrin);
    document.SelectChannel(2);
    document.AddChannel("A", "1", "");
    document.AddChannel("B", "2", "");
    document.AddChannel("C", "3", "");
    EXPECT_EQ(document.Text(), "2");
}

TEST(GroupThousandsTest, InsertsAtMostTwoSeparators) {
    struct Case {
        const char* digits;
        const char* grouped;
    } cases[] = {
        {"0", "0"},
        {"999", "999"},
        {"1000", "1.000"},
        {"1234", "1.234"},
        {"123456", "123.456"},
        {"1234567", "1.234.567"},
        {"", ""},
        {"1234567890", "1234.567.890"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(GroupThousands(c.digits), c.grouped) << c.digits;
    }
}

}  // namespace
}  // namespace trevalunda
