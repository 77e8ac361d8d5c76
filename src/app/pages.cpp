#include "app/pages.h"

#include "bindings/controls_page.h"
#include "pages/mouse_page.h"
#include "pages/other_page.h"
#include "pages/player_page.h"
#include "pages/sound_page.h"
#include "pages/video_page.h"
#include "platform/forms.h"
#include "purchase/purchase_page.h"
#include "shell/page_protocol.h"

namespace app {

void RegisterPages() {
  using shell::MenuPage;
  shell::SetPageOpener(MenuPage::Video, [] { platform::Show<pages::set3>(); });
  shell::SetPageOpener(MenuPage::Sound, [] { platform::Show<pages::SET5>(); });
  shell::SetPageOpener(MenuPage::Player, [] { platform::Show<pages::SET6>(); });
  shell::SetPageOpener(MenuPage::Mouse, [] { platform::Show<pages::SET4>(); });
  shell::SetPageOpener(MenuPage::Controls, [] { platform::Show<bindings::Set1>(); });
  shell::SetPageOpener(MenuPage::Other, [] { platform::Show<pages::SET2>(); });
  shell::SetPageOpener(MenuPage::Purchase, purchase::ShowPurchasePage);
}

}  // namespace app
