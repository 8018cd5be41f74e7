#include "ArgReader.h"

#include <charconv>
#include <cmath>

namespace orbivane {

std::string_view ArgReader::nextOption()
{
    const std::string_view word = args_[pos_++];
    if (!word.starts_with("--")) {
        fail("unexpected argument '" + std::string(word) + "'");
        return {};
    }
    return word;
}

void ArgReader::fail(std::string message)
{
    if (error_.empty())
        error_ = std::move(message);
}

std::optional<std::string_view> ArgReader::value(std::string_view option)
{
    if (atEnd()) {
        fail("missing value for " + std::string(option));
        return std::nullopt;
    }
    return args_[pos_++];
}

std::optional<std::string_view> ArgReader::text(std::string_view option)
{
    return value(option);
}

std::optional<long long> ArgReader::integer(std::string_view option)
{
    const auto word = value(option);
    if (!word)
        return std::nullopt;
    long long result = 0;
    const auto [end, error] = std::from_chars(word->data(), word->data() + word->size(), result);
    if (error != std::errc() || end != word->data() + word->size() || word->empty()) {
        fail(std::string(option) + " needs a whole number, not '" + std::string(*word) + "'");
        return std::nullopt;
    }
    return result;
}

std::optional<double> ArgReader::real(std::string_view option)
{
    const auto word = value(option);
    if (!word)
        return std::nullopt;
    double result = 0;
    const auto [end, error] = std::from_chars(word->data(), word->data() + word->size(), result);
    if (error != std::errc() || end != word->data() + word->size() || word->empty() || !std::isfinite(result)) {
        fail(std::string(option) + " needs a number, not '" + std::string(*word) + "'");
        return std::nullopt;
    }
    return result;
}

} // namespace orbivane
