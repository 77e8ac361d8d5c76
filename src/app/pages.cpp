#include "app/pages.h"

#include "shell/page_protocol.h"

namespace app {

void RegisterPages() {}

}  // namespace app
