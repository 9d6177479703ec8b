#pragma once
// The dialogs the system asks of the desktop: message boxes, the common file, colour, folder and
// printer dialogs. One instance serves the whole program; production shows Qt dialogs, tests
// install a scripted one, headless runs one that writes to stderr.

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

class QImage;
class QPrinter;

namespace platform {

// The title a message box carries when its caller gives none.
inline constexpr std::string_view kAppTitle = "Varnoke";

// Button sets and icon flags of a message box, added together as in
// `msgBox(text, msgbox::YesNo + msgbox::Question)`, and the answers: the button pressed.
namespace msgbox {
inline constexpr int OkOnly = 0;
inline constexpr int OkCancel = 1;
inline constexpr int YesNoCancel = 3;
inline constexpr int YesNo = 4;
inline constexpr int Critical = 16;
inline constexpr int Question = 32;
inline constexpr int Exclamation = 48;
inline constexpr int Information = 64;

inline constexpr int Ok = 1;
inline constexpr int Cancel = 2;
inline constexpr int Yes = 6;
inline constexpr int No = 7;
} // namespace msgbox

// The button set of a style (the icon flags dropped); any set other than the four above counts
// as OK alone.
int msgBoxButtons(int style);

// Whether the buttons of `style` include the one that gives `answer`.
bool answerFits(int style, int answer);

// The first button of the set, the one Enter presses: OK or Yes.
int defaultAnswer(int style);

struct FileDialogRequest {
    std::string initDir;  // the folder the dialog starts in
    std::string filter;   // classic form: "GPX (*.gpx)|*.gpx|All|*.*", or a bare "*.osm"
    std::string fileName; // proposed name: "untitled.gpx", or a pattern such as "*.osm"
    std::string title;    // empty: the dialog's own title ("Open", "Save As")
};

class Dialogs {
public:
    virtual ~Dialogs() = default;

    // Shows `text` with the buttons of `style`; an empty title becomes kAppTitle.
    int msgBox(std::string_view text, int style = msgbox::OkOnly, std::string_view title = {});

    // The chosen file's full path, or nullopt when the user cancelled. A caller that wants the
    // classic "cancel raises an error" behaviour raises fault 32755 (CancelSelected) itself.
    virtual std::optional<std::string> openFile(const FileDialogRequest& request) = 0;
    virtual std::optional<std::string> saveFile(const FileDialogRequest& request) = 0;

    // Colours are Longs r + 256 g + 65536 b (of `initial` only the low three bytes count);
    // nullopt when the user cancelled.
    virtual std::optional<std::int32_t> chooseColour(std::int32_t initial) = 0;

    // The chosen folder without a trailing "/", or nullopt when the user cancelled.
    virtual std::optional<std::string> chooseFolder(const std::string& start, const std::string& title) = 0;

    // Asks for a printer, then prints the image scaled to the page, in the given orientation and
    // on A4 when asked, whatever the user picked; false (nothing printed) when cancelled or when
    // the printer could not be opened.
    virtual bool printImage(const QImage& image, bool landscape, bool paperA4) = 0;

    // Shows a print preview of a document that `print` paints onto the printer it is given,
    // from which the user may print it.
    virtual void printPreview(const std::function<void(QPrinter&)>& print) = 0;

protected:
    // `title` is never empty here.
    virtual int showMsgBox(std::string_view text, int style, std::string_view title) = 0;
};

// The dialogs in use: the installed instance, otherwise Qt's (or stderr's when the program runs
// without a QApplication).
Dialogs& dialogs();

// Installs `next` (nullptr: back to the default) and hands back the previous instance.
std::unique_ptr<Dialogs> setDialogs(std::unique_ptr<Dialogs> next);

} // namespace platform
