#include "UiServices.h"

namespace halvo {

UiServices& ui() {
    return CurrentService<UiServices>::get("halvo: no user-interface services have been set");
}

void setUi(UiServices* services) {
    CurrentService<UiServices>::set(services);
}

} // namespace halvo
