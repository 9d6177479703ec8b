#include "prefs/closecheck.h"

#include "basic/fault.h"
#include "basic/val.h"

#include <optional>

namespace prefs {
namespace {

constexpr basic::Single kSlowestSpeed = 1.0f;

// The leading number of the text as Val reads it (0 when there is none); nothing when it does
// not fit the target type.
template <typename Convert>
auto leadingNumber(std::string_view text, Convert convert) -> std::optional<decltype(convert(0.0))> {
    try {
        return convert(basic::val(text));
    } catch (const basic::RuntimeFault&) {
        return std::nullopt;
    }
}

// Whether Val finds any digit at the start of the text (after blanks and a sign): "abc" and ""
// hold no number, ".5", "-3" and "&H10" do.
bool startsWithNumber(std::string_view text) {
    std::size_t i = text.find_first_not_of(" \t\n");
    if (i == std::string_view::npos) return false;
    if (text.compare(i, 2, "&H") == 0 || text.compare(i, 2, "&h") == 0 || text.compare(i, 2, "&O") == 0 ||
        text.compare(i, 2, "&o") == 0)
        return true;
    if (text[i] == '+' || text[i] == '-') i = text.find_first_not_of(" \t\n", i + 1);
    if (i != std::string_view::npos && text[i] == '.') ++i;
    return i < text.size() && text[i] >= '0' && text[i] <= '9';
}

} // namespace

std::vector<std::string_view> closeCheck(const ClosingFields& fields, basic::Integer sizeAtOpening,
                                         core::Settings& settings) {
    std::vector<std::string_view> messages;
    settings.zoomLeft = fields.zoomLeft;

    const auto speed = leadingNumber(fields.speed, [](double v) { return basic::csng(v); });
    if (speed) settings.speedMph = *speed;
    if (!speed || *speed < kSlowestSpeed) messages.push_back(kSpeedMessage);

    const auto fontSize = leadingNumber(fields.fontSize, [](double v) { return basic::cint(v); });
    if (!fontSize || *fontSize < kSmallestFontSize || *fontSize > kLargestFontSize)
        messages.push_back(kFontSizeMessage);

    // A negative limit becomes 0, however far below 0 it lies.
    const auto greenNodes =
        leadingNumber(fields.greenNodes, [](double v) { return v < 0 ? basic::Integer{0} : basic::cint(v); });
    if (greenNodes && startsWithNumber(fields.greenNodes)) {
        settings.maxGreenNodes = *greenNodes;
    } else {
        messages.push_back(kGreenNodesMessage);
    }

    settings.patternFill = fields.patternFill;
    if (fontSize) {
        settings.fontSizeChanged = *fontSize != sizeAtOpening;
        settings.labelFontSize = *fontSize;
    }
    return messages;
}

} // namespace prefs
