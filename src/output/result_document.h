#pragma once

#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "base/output_mode.h"
#include "output/channel_limits.h"

namespace trevalunda {

class FormWriter;

// The one text that tells the monitoring host the result of a run. Its operations build the
// document in the form of the output mode; writing it to standard output is the run's job.
class ResultDocument {
  public:
    explicit ResultDocument(OutputMode mode = OutputMode::Exexml);
    ~ResultDocument();
    ResultDocument(const ResultDocument&) = delete;
    ResultDocument& operator=(const ResultDocument&) = delete;

    // The mode is settled once, before the result is built.
    void SetOutputMode(OutputMode mode);
    OutputMode Mode() const { return mode_; }
    DocumentForm Form() const { return FormOf(mode_); }

    // The channel that the line form reports alone ("CH=" in the parameter text); nothing when
    // no channel is selected.
    void SelectChannel(std::optional<long> channel) { selectedChannel_ = channel; }

    // Building the whole document, then writing it.
    void OpenDocument();
    void OpenText();
    void AppendText(std::string_view text);
    void CloseText();
    void AddChannel(std::string_view name, std::string_view value, std::string_view unit,
                    const ChannelLimits& limits = {});
    void CloseDocument();
    void ClearDocument();
    void MakeErrorDocument(std::string_view message);

    // Writing the document in pieces, each as soon as it is known (a multi-system run): the
    // opening, one channel at a time, and the text with the closing. The pieces leave the
    // document's own text alone; channels count as AddChannel's do.
    std::string OpeningPiece();
    std::string ChannelPiece(std::string_view name, std::string_view value, std::string_view unit,
                             const ChannelLimits& limits = {});
    std::string TextPiece(std::string_view text);

    // What reaches the host when a fatal failure ends the run: the error document, or, after
    // the opening piece, what the form writes to complete the output.
    std::string FailurePiece(std::string_view message) const;

    const std::string& Text() const { return text_; }
    int ChannelCounter() const { return channelCounter_; }

  private:
    OutputMode mode_;
    std::unique_ptr<FormWriter> writer_;
    std::string text_;
    int channelCounter_ = 0;
    std::optional<long> selectedChannel_;
    bool openingWritten_ = false;
};

// Separates thousands and millions of a decimal digit text with "." ("1234567" reads
// "1.234.567"); a third separator is never inserted ("1234567890" reads "1234.567.890").
std::string GroupThousands(std::string_view digits);

}  // namespace trevalunda
