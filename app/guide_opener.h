#pragma once

// The player's guide in the main window: F1 and the "?" under the save button open it.

namespace vellaro::app {

class AreaHost;
class GuideDialog;

class GuideOpener {
 public:
  explicit GuideOpener(AreaHost& host);

  // Made when first asked for: most evenings never open it.
  void Open();
  // Null until first opened.
  GuideDialog* dialog() const { return guide_; }

 private:
  AreaHost& host_;
  GuideDialog* guide_ = nullptr;
};

}  // namespace vellaro::app
