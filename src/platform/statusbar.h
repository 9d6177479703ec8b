#pragma once
// The status bar: numbered panels 1..n, each with a Text and a Width in twips, laid out from the
// left edge in order. The bar keeps to the bottom of its container's client area over the whole
// width; only its Height is its own (Left, Top and Width follow the container). A panel number
// outside 1..n is fault 35600 "Index out of bounds"; a width below 0 is fault 380. A panel that
// fits its text is never narrower than its text needs in the bar's font, its Width the least.

#include "platform/control_windowed.h"

#include <QString>
#include <vector>

namespace platform {

class StatusBar : public WindowedControl {
public:
    StatusBar(Container& container, std::string name, int panelCount);

    int panelCount() const { return static_cast<int>(panels_.size()); }
    const std::string& panelText(int panel) const;
    void setPanelText(int panel, std::string text);
    // The text as the panel shows it: its exact characters (a file name is no markup).
    QString shownPanelText(int panel) const;
    double panelWidth(int panel) const;
    void setPanelWidth(int panel, double twips);
    void setPanelFitsText(int panel, bool fits);

    // Paints the panels (called by the bar's widget).
    void paintPanels(QPainter& painter) const;

protected:
    void placeChanged(double oldLeft, double oldTop, double oldWidth, double oldHeight) override;
    void containerResized() override;

private:
    struct Panel {
        std::string text;
        double width = 1440;
        bool fitsText = false;
    };

    Panel& at(int panel);
    const Panel& at(int panel) const;
    void align();

    std::vector<Panel> panels_;
    bool aligning_ = false;
};

} // namespace platform
