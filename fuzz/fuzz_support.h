#pragma once

// What the fuzz targets share: cutting an input into fields, the invariants on documents, and
// stopping with a message when an invariant breaks (libFuzzer then keeps the input).

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/output_mode.h"
#include "output/form_writer.h"
#include "output/result_document.h"
#include "support/xml_check.h"

namespace trevalunda::fuzz {

inline std::string_view AsText(const std::uint8_t* data, std::size_t size) {
    return {reinterpret_cast<const char*>(data), size};
}

inline void Require(bool holds, const char* invariant, std::string_view detail = {}) {
    if (!holds) {
        std::fprintf(stderr, "broken invariant: %s\n%.*s\n", invariant,
                     static_cast<int>(detail.size()), detail.data());
        std::abort();
    }
}

inline void RequireNoProblem(const std::optional<std::string>& problem, const char* invariant,
                             std::string_view document) {
    if (problem) {
        Require(false, invariant, *problem + " in:\n" + std::string(document));
    }
}

// The input cut at each separator into at most `most` fields; the last takes the rest.
inline std::vector<std::string> Split(std::string_view input, char separator, std::size_t most) {
    std::vector<std::string> fields;
    while (fields.size() + 1 < most) {
        const std::size_t end = input.find(separator);
        if (end == std::string_view::npos) {
            break;
        }
        fields.emplace_back(input.substr(0, end));
        input.remove_prefix(end + 1);
    }
    fields.emplace_back(input);
    return fields;
}

inline std::size_t CountOf(std::string_view text, char c) {
    std::size_t count = 0;
    for (char each : text) {
        count += each == c ? 1 : 0;
    }
    return count;
}

// The error document of a message is XML that any host parses.
inline void RequireErrorDocumentParses(std::string_view message) {
    const std::string document = ErrorDocument(message);
    RequireNoProblem(testing::XmlDocumentProblem(document), "error document parses", document);
}

// The texts a result document takes from outside.
struct OutsideTexts {
    std::string text;
    std::string name;
    std::string value;
    std::string unit;
};

// Every document of the mode with the texts in every place they reach: the single-system
// result, the multi-system pieces, and a failure after the opening.
inline std::vector<std::string> DocumentsOf(OutputMode mode, const OutsideTexts& texts,
                                            std::optional<long> channel) {
    ResultDocument single(mode);
    single.SelectChannel(channel);
    single.OpenDocument();
    single.OpenText();
    single.AppendText(texts.text);
    single.CloseText();
    single.AddChannel(texts.name, texts.value, texts.unit);
    single.CloseDocument();

    ResultDocument multi(mode);
    multi.SelectChannel(channel);
    std::string pieces = multi.OpeningPiece() + "\n";
    pieces += multi.ChannelPiece(texts.name, texts.value, texts.unit);
    const std::string failure = pieces + multi.FailurePiece(texts.text);
    pieces += multi.TextPiece(texts.text) + "\n";
    return {single.Text(), pieces, failure};
}

// In the XML form every document parses; in the message and line forms the texts add no line
// and no carriage return: each document has the lines it has with harmless texts. (The error
// document that ends a failed run in those forms is XML too, see RequireErrorDocumentParses.)
inline void RequireDocumentsKeepTheirShape(const OutsideTexts& texts, std::optional<long> channel) {
    const OutsideTexts harmless{"t", "n", "v", texts.unit.empty() ? "" : "u"};
    for (OutputMode mode : {OutputMode::Exexml, OutputMode::Lumotex, OutputMode::Morvale,
                            OutputMode::Brevanta, OutputMode::Kestrin}) {
        const std::vector<std::string> documents = DocumentsOf(mode, texts, channel);
        const std::vector<std::string> shapes = DocumentsOf(mode, harmless, channel);
        for (std::size_t i = 0; i < documents.size(); ++i) {
            if (FormOf(mode) == DocumentForm::Xml) {
                RequireNoProblem(testing::XmlDocumentProblem(documents[i]), "XML document parses",
                                 documents[i]);
            } else if (i < 2) {  // a failure there ends with the error document, an XML one
                Require(CountOf(documents[i], '\n') == CountOf(shapes[i], '\n'),
                        "texts add no line", documents[i]);
                Require(CountOf(documents[i], '\r') == 0, "texts add no carriage return",
                        documents[i]);
            }
        }
    }
}

}  // namespace trevalunda::fuzz
