#pragma once
// "...": choose the working directory in the folder browser, then refresh
// at once (ui/listing/refresh.h).

#include "ui/framework/button.h"

namespace CorvaneWnd {

class CBtnSetWorkDir : public CCorvaneButton {
 public:
  void OnClick() override;

 private:
  // A click sent straight to the disabled button while its browser is open
  // must not open a second one.
  bool browserOpen_ = false;
};

}  // namespace CorvaneWnd
