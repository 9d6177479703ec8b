#include "window/texthelpers.h"

#include "basic/format.h"
#include "basic/numtext.h"
#include "basic/text.h"
#include "platform/events.h"

#include <charconv>
#include <cmath>
#include <optional>
#include <vector>

namespace core {
namespace {

// The value of a text that is a number as a whole (blanks around it allowed), whatever the
// process locale; nothing for any other text.
std::optional<double> wholeNumber(std::string_view text) {
    text = basic::trimView(text);
    if (!text.empty() && text.front() == '+') text.remove_prefix(1);
    if (text.empty()) return std::nullopt;
    double value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || !std::isfinite(value))
        return std::nullopt;
    return value;
}

} // namespace

std::string cutToTwoDecimals(std::string& numberText) {
    if (const std::optional<double> value = wholeNumber(numberText))
        numberText = basic::format(*value, ".00000");
    const size_t point = numberText.find('.');
    if (point == std::string::npos) return numberText;
    return numberText.substr(0, point + 3);
}

std::string fnstriptag(std::string_view text) {
    for (const char mark : {'$', '#'}) {
        if (const size_t at = text.find(mark); at != std::string_view::npos)
            return std::string(text.substr(at + 1));
    }
    return std::string(text);
}

std::string stripTagMarkup(std::string& text) {
    for (const std::string_view needle : {"/>", "<tag", "</way>", "k=", "v=", "name", "AREA:", "'"})
        text = basic::replaceAll(std::move(text), needle, "");
    return text;
}

std::string replc(std::string& text, std::string_view list) {
    const std::vector<std::string_view> words = basic::splitView(list, ",");
    for (size_t i = 0; i < words.size(); ++i) {
        text = basic::replaceAll(std::move(text), words[i], basic::dec(static_cast<basic::Long>(i + 1)));
        if (platform::inputPending() != 0) platform::doEvents();
    }
    return text;
}

} // namespace core
