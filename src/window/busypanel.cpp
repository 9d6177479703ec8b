#include "window/busypanel.h"

#include "basic/colour.h"
#include "platform/artwork.h"
#include "window/mapwindow.h"

namespace core {

ProgressPanel::ProgressPanel(platform::Form& form)
    : frm1(form, "frm1"), Label9(frm1, "Label9"), backprog(frm1, "backprog"), progimage(frm1, "progimage"),
      Label6(frm1, "Label6"), Command2(frm1, "Command2") {
    frm1.setVisible(false);
    frm1.move(7245, 6060, 2115, 1485);
    Label9.setCaption("Loading...");
    Label9.setAlignment(2);
    Label9.move(120, 150, 1875, 255);
    backprog.setBackStyle(1);
    backprog.setBackColor(basic::rgb(224, 224, 224));
    backprog.setBorderColor(basic::rgb(160, 160, 160));
    backprog.move(120, 465, 1875, 180);
    progimage.setStretch(true);
    progimage.setArtwork("widgets/progimage");
    progimage.move(120, 465, 0, 180);
    Label6.setAlignment(2);
    Label6.move(120, 705, 1875, 255);
    Command2.setCaption("Cancel");
    Command2.setRunsWhileBusy(true);
    Command2.move(570, 1005, 975, 375);
}

void barvis(MapWindow& map, bool visible) {
    map.progress.progimage.setVisible(visible);
}

} // namespace core
