#include "platform/control_keys.h"

#include "platform/qtext.h"

#include <QKeyEvent>
#include <algorithm>

namespace platform {
namespace {

struct KeyRow {
    int qtKey;
    int code;
};

// Keys outside the letter, digit and function-key runs.
constexpr KeyRow kKeyCodes[] = {
    {Qt::Key_Left, 37},     {Qt::Key_Up, 38},      {Qt::Key_Right, 39},  {Qt::Key_Down, 40},
    {Qt::Key_Return, 13},   {Qt::Key_Enter, 13},   {Qt::Key_Escape, 27}, {Qt::Key_Space, 32},
    {Qt::Key_Backspace, 8}, {Qt::Key_Tab, 9},      {Qt::Key_Delete, 46}, {Qt::Key_Insert, 45},
    {Qt::Key_Home, 36},     {Qt::Key_End, 35},     {Qt::Key_PageUp, 33}, {Qt::Key_PageDown, 34},
    {Qt::Key_Shift, 16},    {Qt::Key_Control, 17}, {Qt::Key_Alt, 18},
};

// Keys that type a control character.
constexpr KeyRow kKeyCharacters[] = {
    {Qt::Key_Return, 13}, {Qt::Key_Enter, 13}, {Qt::Key_Backspace, 8}, {Qt::Key_Tab, 9}, {Qt::Key_Escape, 27},
};

template <size_t N> int lookUp(const KeyRow (&table)[N], int qtKey) {
    for (const KeyRow& row : table) {
        if (row.qtKey == qtKey) return row.code;
    }
    return -1;
}

} // namespace

int keyCode(const QKeyEvent& event) {
    const int key = event.key();
    if (key >= Qt::Key_A && key <= Qt::Key_Z) return key;
    if (key >= Qt::Key_0 && key <= Qt::Key_9) return key;
    if (key >= Qt::Key_F1 && key <= Qt::Key_F24) return 112 + (key - Qt::Key_F1);
    return std::max(lookUp(kKeyCodes, key), 0);
}

int keyAscii(const QKeyEvent& event) {
    const int key = event.key();
    if ((event.modifiers() & Qt::ControlModifier) && key >= Qt::Key_A && key <= Qt::Key_Z) {
        return key - Qt::Key_A + 1;
    }
    if (const int ascii = lookUp(kKeyCharacters, key); ascii >= 0) return ascii;
    const QString text = event.text();
    if (text.size() != 1 || text.at(0).unicode() < 32 || text.at(0).unicode() == 127) return -1;
    const std::string byte = toCp1252(text);
    return static_cast<unsigned char>(byte[0]);
}

} // namespace platform
