#include "platform/statusbar.h"

#include "basic/fault.h"
#include "platform/container.h"
#include "platform/control_hooked.h"
#include "platform/qtext.h"
#include "platform/units.h"

#include <QPainter>
#include <algorithm>
#include <cmath>

namespace platform {
namespace {

constexpr double kDefaultHeight = 315;
// A panel's text stands this many pixels in from the panel's left and right edges.
constexpr int kTextInsetLeft = 3;
constexpr int kTextInsetRight = 2;

class PanelsWidget : public QWidget {
public:
    PanelsWidget(StatusBar& bar, QWidget* parent) : QWidget(parent), bar_(&bar) {}
    void forget() { bar_ = nullptr; }

protected:
    void paintEvent(QPaintEvent*) override {
        if (!bar_) return;
        QPainter painter(this);
        bar_->paintPanels(painter);
    }

private:
    StatusBar* bar_;
};

class HookedPanels : public Hooked<PanelsWidget> {
public:
    HookedPanels(StatusBar& bar, QWidget* parent) : Hooked<PanelsWidget>(bar, bar, parent) {}
    void detachControl() override {
        Hooked<PanelsWidget>::detachControl();
        forget();
    }
};

} // namespace

StatusBar::StatusBar(Container& container, std::string name, int panelCount)
    : WindowedControl(container, std::move(name)), panels_(static_cast<size_t>(std::max(panelCount, 1))) {
    attachWidget(new HookedPanels(*this, container.host()));
    setHeight(kDefaultHeight);
}

StatusBar::Panel& StatusBar::at(int panel) {
    if (panel < 1 || panel > panelCount()) basic::raise(basic::fault::IndexOutOfBounds);
    return panels_[static_cast<size_t>(panel - 1)];
}

const StatusBar::Panel& StatusBar::at(int panel) const {
    return const_cast<StatusBar*>(this)->at(panel);
}

const std::string& StatusBar::panelText(int panel) const {
    return at(panel).text;
}

QString StatusBar::shownPanelText(int panel) const {
    return bytesToQString(at(panel).text);
}

void StatusBar::setPanelText(int panel, std::string text) {
    at(panel).text = std::move(text);
    if (widget()) widget()->update();
}

double StatusBar::panelWidth(int panel) const {
    const Panel& p = at(panel);
    if (!p.fitsText || !widget()) return p.width;
    const int textPixels = widget()->fontMetrics().horizontalAdvance(shownPanelText(panel));
    return std::max(p.width, double(textPixels + kTextInsetLeft + kTextInsetRight) * kTwipsPerPixel);
}

void StatusBar::setPanelWidth(int panel, double twips) {
    Panel& p = at(panel);
    if (!std::isfinite(twips) || twips < 0) basic::raise(basic::fault::InvalidPropertyValue);
    p.width = twips;
    if (widget()) widget()->update();
}

void StatusBar::setPanelFitsText(int panel, bool fits) {
    at(panel).fitsText = fits;
    if (widget()) widget()->update();
}

void StatusBar::paintPanels(QPainter& painter) const {
    const QRect area = widget()->rect();
    painter.fillRect(area, widget()->palette().window());
    const QPalette& colours = widget()->palette();
    int x = 0;
    for (int i = 1; i <= panelCount(); ++i) {
        const int w = toPixel(panelWidth(i) / kTwipsPerPixel);
        const QRect box(x, 1, w, area.height() - 2);
        if (w > 1) {
            painter.setPen(colours.color(QPalette::Dark));
            painter.drawLine(box.topLeft(), box.topRight());
            painter.drawLine(box.topLeft(), box.bottomLeft());
            painter.setPen(colours.color(QPalette::Light));
            painter.drawLine(box.bottomLeft(), box.bottomRight());
            painter.drawLine(box.topRight(), box.bottomRight());
            painter.setPen(colours.color(QPalette::WindowText));
            painter.drawText(box.adjusted(kTextInsetLeft, 0, -kTextInsetRight, 0),
                             Qt::AlignVCenter | Qt::AlignLeft, shownPanelText(i));
        }
        x += w;
    }
}

void StatusBar::align() {
    Container* owner = container();
    if (!owner) return;
    aligning_ = true;
    move(0, owner->scaleHeight() - height(), owner->scaleWidth(), height());
    aligning_ = false;
}

void StatusBar::placeChanged(double oldLeft, double oldTop, double oldWidth, double oldHeight) {
    if (!aligning_) align();
    WindowedControl::placeChanged(oldLeft, oldTop, oldWidth, oldHeight);
}

void StatusBar::containerResized() {
    align();
}

} // namespace platform
