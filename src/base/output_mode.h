#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace trevalunda {

// The front-end that reads the result. EXEXML is PRTG's own; the others are alternatives
// that an installation may select in its settings file.
enum class OutputMode { Exexml, Lumotex, Morvale, Brevanta, Kestrin };

// The three shapes a result document can take.
enum class DocumentForm { Xml, Message, Line };

DocumentForm FormOf(OutputMode mode);

// The mode for its word, compared exactly ("EXEXML", "Lumotex", "Morvale", "Brevanta",
// "Kestrin"); nothing for any other word.
std::optional<OutputMode> OutputModeFromWord(std::string_view word);

// The mode words in that order, separated by ", ": "EXEXML, Lumotex, ...".
std::string OutputModeWordList();

}  // namespace trevalunda
