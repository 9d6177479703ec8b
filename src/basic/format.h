#pragma once
// The runtime's Format for the patterns the system uses, the same under every process locale.

#include <string>
#include <string_view>

namespace basic {

// value written by a digit pattern of the form [0...][.0...]: ".0000", ".00000", "0", "0.00".
// The zeros before the point are the least number of whole digits (none: no "0" before the
// point below magnitude 1), those after it the number of decimals. The value is first taken to
// its 15-significant-digit decimal form, then rounded half away from zero at the decimals:
// format(0.5, ".0000") = ".5000", format(1.999996, ".00000") = "2.00000". A negative value keeps
// its "-" even when it rounds to zero: format(-0.004, ".00") = "-.00". Any other pattern is
// fault 5 "Invalid procedure call or argument".
std::string format(double value, std::string_view pattern);

// The runtime's date pattern "dd/mm/yyyy" applied to a text: a date written year-month-day
// ("2011-03-07", month and day of one or two digits, surrounding blanks allowed) gives
// "07/03/2011"; any text that is not such a valid calendar date comes back unchanged.
std::string formatDate(std::string_view text);

} // namespace basic
