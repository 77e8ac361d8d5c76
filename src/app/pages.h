#pragma once

namespace app {

// Tells the menu how each built page is shown.
void RegisterPages();

}  // namespace app
