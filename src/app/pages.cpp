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

void registerPages() {
  using shell::MenuPage;
  shell::setPageOpener(MenuPage::Video, [] { platform::showWindow<pages::VideoPage>(); });
  shell::setPageOpener(MenuPage::Sound, [] { platform::showWindow<pages::SoundPage>(); });
  shell::setPageOpener(MenuPage::Player, [] { platform::showWindow<pages::PlayerPage>(); });
  shell::setPageOpener(MenuPage::Mouse, [] { platform::showWindow<pages::MousePage>(); });
  shell::setPageOpener(MenuPage::Controls, [] { platform::showWindow<bindings::ControlsPage>(); });
  shell::setPageOpener(MenuPage::Other, [] { platform::showWindow<pages::OtherPage>(); });
  shell::setPageOpener(MenuPage::Purchase, purchase::showPurchasePage);
}

}  // namespace app
