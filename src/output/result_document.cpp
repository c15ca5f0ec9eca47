#include "output/result_document.h"

#include "output/form_writer.h"

namespace trevalunda {

std::unique_ptr<FormWriter> MakeXmlForm();
std::unique_ptr<FormWriter> MakeMessageForm();
std::unique_ptr<FormWriter> MakeLineForm();

std::unique_ptr<FormWriter> MakeFormWriter(OutputMode mode) {
    switch (FormOf(mode)) {
        case DocumentForm::Message:
            return MakeMessageForm();
        case DocumentForm::Line:
            return MakeLineForm();
        case DocumentForm::Xml:
            break;
    }
    return MakeXmlForm();
}

ResultDocument::ResultDocument(OutputMode mode) : mode_(mode), writer_(MakeFormWriter(mode)) {}

ResultDocument::~ResultDocument() = default;

void ResultDocument::SetOutputMode(OutputMode mode) {
    mode_ = mode;
    writer_ = MakeFormWriter(mode);
}

void ResultDocument::OpenDocument() {
    text_ = writer_->Opening();
}

void ResultDocument::OpenText() {
    text_ += writer_->TextStart();
}

void ResultDocument::AppendText(std::string_view text) {
    text_ += writer_->Text(text);
}

void ResultDocument::CloseText() {
    bool discardDocument = false;
    const std::string end = writer_->TextEnd(selectedChannel_, discardDocument);
    if (discardDocument) {
        text_.clear();
    }
    text_ += end;
}

void ResultDocument::AddChannel(std::string_view name, std::string_view value,
                                std::string_view unit, const ChannelLimits& limits) {
    text_ += ChannelPiece(name, value, unit, limits);
}

void ResultDocument::CloseDocument() {
    text_ += writer_->Closing();
}

void ResultDocument::ClearDocument() {
    text_.clear();
}

void ResultDocument::MakeErrorDocument(std::string_view message) {
    text_ = ErrorDocument(message);
}

std::string ResultDocument::OpeningPiece() {
    openingWritten_ = true;
    return writer_->Opening();
}

std::string ResultDocument::ChannelPiece(std::string_view name, std::string_view value,
                                         std::string_view unit, const ChannelLimits& limits) {
    ++channelCounter_;
    return writer_->Channel({name, value, unit, channelCounter_, selectedChannel_, limits});
}

std::string ResultDocument::TextPiece(std::string_view text) {
    bool discardDocument = false;
    std::string piece = writer_->TextStart() + writer_->Text(text);
    const std::string end = writer_->TextEnd(selectedChannel_, discardDocument);
    if (discardDocument) {
        piece.clear();
    }
    return piece + end + writer_->Closing();
}

std::string ResultDocument::FailurePiece(std::string_view message) const {
    return openingWritten_ ? writer_->FailureAfterOpening(message) : ErrorDocument(message);
}

std::string GroupThousands(std::string_view digits) {
    const std::size_t length = digits.size();
    std::string grouped(digits);
    if (length >= 4) {
        grouped.insert(length - 3, 1, '.');
    }
    if (length > 6) {
        grouped.insert(length - 6, 1, '.');
    }
    return grouped;
}

}  // namespace trevalunda
