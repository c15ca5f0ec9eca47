#pragma once

#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "base/output_mode.h"
#include "output/channel_limits.h"

namespace trevalunda {

// One channel as AddChannel receives it, with the number it got from the channel counter.
struct ChannelEntry {
    std::string_view name;
    std::string_view value;
    std::string_view unit;
    int number = 0;
    std::optional<long> selectedChannel;  // the line form's "CH=" selection
    ChannelLimits limits;
};

// The pieces of a result document in one form. The document keeps the text; a writer only
// says what each operation adds.
class FormWriter {
  public:
    virtual ~FormWriter() = default;
    virtual std::string Opening() const = 0;
    virtual std::string TextStart() const = 0;
    virtual std::string Text(std::string_view text) const = 0;
    // The end of the text element; true in `discardDocument` when the document is emptied.
    virtual std::string TextEnd(std::optional<long> selectedChannel,
                                bool& discardDocument) const = 0;
    virtual std::string Channel(const ChannelEntry& channel) const = 0;
    virtual std::string Closing() const = 0;
    // What completes the output when a fatal failure ends a run whose document's opening has
    // already been written.
    virtual std::string FailureAfterOpening(std::string_view message) const = 0;
};

std::unique_ptr<FormWriter> MakeFormWriter(OutputMode mode);

// The error document for a message: in every mode the same XML document.
std::string ErrorDocument(std::string_view message);

// A text from outside as the XML form writes it, so that it cannot break the document and
// means the same in whatever code page the host reads it: "&", "<" and ">" as entities;
// control characters other than tab, CR and LF (and the two code points U+FFFE and U+FFFF
// that XML does not allow) as "?"; every other character from 0x80 on, a UTF-8 sequence or
// else a Windows-1252 byte, as its numeric character reference ("&#252;"). The result is
// plain ASCII; printable ASCII stays as it is, apart from the three entities.
std::string EscapeXml(std::string_view text);

// A text from outside as the message and line forms write it: control characters, line ends
// included, as "?", so that no text adds or splits a line; every other byte as it is.
std::string WithoutControlCharacters(std::string_view text);

// The unit as the message and line forms show it: "" as "#", "PerCent" as "%",
// "TimeResponse" as "mSec".
std::string ShownUnit(std::string_view unit);

}  // namespace trevalunda
