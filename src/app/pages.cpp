#include "app/pages.h"

#include "bindings/controls_page.h"
#include "pages/mouse_page.h"
#include "platform/forms.h"
#include "shell/page_protocol.h"

namespace app {

void RegisterPages() {
  using shell::MenuPage;
  shell::SetPageOpener(MenuPage::Mouse, [] { platform::Show<pages::SET4>(); });
  shell::SetPageOpener(MenuPage::Controls, [] { platform::Show<bindings::Set1>(); });
}

}  // namespace app
