#pragma once

namespace app {

// Tells the menu how each built page is shown.
void registerPages();

}  // namespace app
