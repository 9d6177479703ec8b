#include "routes/xmltext.h"

#include "platform/qtext.h"

namespace routes {
namespace {

constexpr unsigned char kDelete = 0x7F;
// UTF-8 of U+0080..U+009F, the second control block: C2 followed by 80..9F.
constexpr unsigned char kSecondBlockLead = 0xC2;
constexpr unsigned char kSecondBlockLast = 0x9F;

bool isControl(unsigned char c) { return (c < 0x20 && c != '\t' && c != '\n' && c != '\r') || c == kDelete; }

} // namespace

void appendXmlText(std::string& out, std::string_view text) {
    const QByteArray utf8 = platform::toQString(text).toUtf8();
    const auto size = static_cast<std::size_t>(utf8.size());
    for (std::size_t i = 0; i < size; ++i) {
        const auto c = static_cast<unsigned char>(utf8[static_cast<qsizetype>(i)]);
        if (c == kSecondBlockLead && i + 1 < size &&
            static_cast<unsigned char>(utf8[static_cast<qsizetype>(i + 1)]) <= kSecondBlockLast) {
            ++i;
            continue;
        }
        switch (c) {
        case '&':
            out += "&amp;";
            break;
        case '<':
            out += "&lt;";
            break;
        case '>':
            out += "&gt;";
            break;
        case '"':
            out += "&quot;";
            break;
        default:
            if (!isControl(c)) out += static_cast<char>(c);
        }
    }
}

} // namespace routes
