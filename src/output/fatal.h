#pragma once

#include <optional>
#include <string>
#include <utility>
#include <variant>

namespace trevalunda {

// A failure that ends the run: its message becomes the text of the error document and the
// process ends with exit code 2. Operations return it instead of ending the process.
struct Fatal {
    std::string message;
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
