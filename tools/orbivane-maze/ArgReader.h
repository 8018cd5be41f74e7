#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace orbivane {

// Reads "--option value..." command lines one option at a time. A failed read leaves an
// error message naming the problem; the first error is kept.
class ArgReader {
public:
    explicit ArgReader(std::span<const std::string_view> args) : args_(args) {}

    bool atEnd() const { return pos_ >= args_.size(); }
    // The next option name, or empty with an error when the next word is not an option.
    std::string_view nextOption();

    std::optional<std::string_view> text(std::string_view option);
    std::optional<long long> integer(std::string_view option);
    std::optional<double> real(std::string_view option);

    bool failed() const { return !error_.empty(); }
    const std::string& error() const { return error_; }
    void fail(std::string message);

private:
    std::optional<std::string_view> value(std::string_view option);

    std::span<const std::string_view> args_;
    std::size_t pos_ = 0;
    std::string error_;
};

} // namespace orbivane
