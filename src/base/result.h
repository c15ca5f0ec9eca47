#pragma once

#include <optional>
#include <string>
#include <utility>
#include <variant>

namespace trevalunda {

// A failure that ends the run. Operations return it instead of ending the process. Usually
// its message becomes the text of the error document and the exit code is 2; when the RFC
// library failed in a structure or table operation, the message names that operation and the
// run ends with the library's error report and exit code 1 instead.
struct Fatal {
    std::string message;
    bool libraryError = false;

    static Fatal LibraryError(std::string operation) { return {std::move(operation), true}; }
};

// Either the value of an operation or the fatal failure that stopped it.
template <typename T>
class Result {
  public:
    Result(T value) : content_(std::move(value)) {}      // NOLINT(google-explicit-constructor)
    Result(Fatal fatal) : content_(std::move(fatal)) {}  // NOLINT(google-explicit-constructor)

    bool ok() const { return std::holds_alternative<T>(content_); }
    T& value() { return std::get<T>(content_); }
    const T& value() const { return std::get<T>(content_); }
    const Fatal& fatal() const { return std::get<Fatal>(content_); }

  private:
    std::variant<T, Fatal> content_;
};

// The outcome of an operation that yields nothing but may fail fatally.
using Status = std::optional<Fatal>;

}  // namespace trevalunda
