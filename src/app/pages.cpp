#include "app/pages.h"

#include "pages/mouse_page.h"
#include "platform/forms.h"
#include "purchase/purchase_page.h"
#include "shell/page_protocol.h"

namespace app {

void RegisterPages() {
  using shell::MenuPage;
  shell::SetPageOpener(MenuPage::Mouse, [] { platform::Show<pages::SET4>(); });
  shell::SetPageOpener(MenuPage::Purchase, purchase::ShowPurchasePage);
}

}  // namespace app
