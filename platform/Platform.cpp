#include "Platform.h"

namespace halvo {

Platform& platform() {
    return CurrentService<Platform>::get("halvo: no platform has been set");
}

void setPlatform(Platform* replacement) {
    CurrentService<Platform>::set(replacement);
}

} // namespace halvo
