#pragma once
// The texts of the dialogs a test has seen shown.

#include "platform/dialogs_scripted.h"

#include <string>
#include <vector>

namespace testsupport {

// The texts of the dialogs shown, from the `from`-th on.
inline std::vector<std::string> shownTexts(const platform::ScriptedDialogs& dialogs, std::size_t from = 0) {
    std::vector<std::string> texts;
    for (std::size_t i = from; i < dialogs.shown().size(); ++i)
        texts.push_back(dialogs.shown()[i].text);
    return texts;
}

} // namespace testsupport
