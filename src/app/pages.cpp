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
  shell::SetPageOpener(MenuPage::Video, [] { platform::Show<pages::VideoPage>(); });
  shell::SetPageOpener(MenuPage::Sound, [] { platform::Show<pages::SoundPage>(); });
  shell::SetPageOpener(MenuPage::Player, [] { platform::Show<pages::PlayerPage>(); });
  shell::SetPageOpener(MenuPage::Mouse, [] { platform::Show<pages::MousePage>(); });
  shell::SetPageOpener(MenuPage::Controls, [] { platform::Show<bindings::ControlsPage>(); });
  shell::SetPageOpener(MenuPage::Other, [] { platform::Show<pages::OtherPage>(); });
  shell::SetPageOpener(MenuPage::Purchase, purchase::showPurchasePage);
}

}  // namespace app
