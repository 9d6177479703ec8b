#include "platform/container_windowed.h"

namespace platform {

WindowedContainer::WindowedContainer(Container& container, std::string name)
    : WindowedControl(container, std::move(name)) {
    auto* widget = new ContainerWidget(*this, container.host());
    setHost(widget);
    attachWidget(widget);
}

} // namespace platform
