#pragma once

#include <array>
#include <cstddef>

#include "app/q470_family.h"
#include "link/printer_models.h"
#include "link/session.h"

namespace z3mq {

class Dialog;

// The pages under the main window's tab control 1220, in the order the main window creates them.
enum class Page : std::size_t { MenuSwitch, Z3MNetwork, Q470Printing, Q470Network, Default };
inline constexpr std::size_t kPageCount = 5;

// Which page is visible, by the session's family and the current tab item. A page is placed
// below the tab strip with the tab control's size; the renderer does that.
class PageHost : public Q470TabHost {
 public:
  PageHost(Dialog& mainWindow, const PrinterSession& session, Q470Family& q470);

  // Records a page as it is created; the default page is shown, the others hidden.
  void addPage(Page which, Dialog& page);
  Dialog& page(Page which) const { return *pages_[static_cast<std::size_t>(which)]; }
  // In creation order; null until added.
  const std::array<Dialog*, kPageCount>& pages() const { return pages_; }

  // After a connection: the default page goes for good, the family's first page comes.
  void showPagesForConnection(PrinterFamily family);
  // The user selected another tab item.
  void onTabSelectionChanged();

  void dropNetworkTab() override;
  int currentTabItem() const override;

 private:
  // Shows `which` and hides the other family pages; the default page is left as it is.
  void showOnly(Page which);

  Dialog& mainWindow_;
  const PrinterSession& session_;
  Q470Family& q470_;
  std::array<Dialog*, kPageCount> pages_{};
};

}  // namespace z3mq
