// The purchase page: the weapons window and the keyboard window, opened and
// completed together.
#pragma once

namespace purchase {

// Shows the weapons window, then the keyboard window.
void showPurchasePage();

// The Done of either window: both close, the menu label greys, the main
// window is in use again. Nothing is written here.
void completePurchasePage();

}  // namespace purchase
