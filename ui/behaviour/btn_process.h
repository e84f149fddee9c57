#pragma once
// "开始重命名!": start renaming, or stop it while it reads "停止".

#include "ui/framework/button.h"

namespace CorvaneWnd {

class CBtnProcess : public CCorvaneButton {
 public:
  void OnClick() override;

 private:
  void StartRenaming();
  void StopRenaming();
};

}  // namespace CorvaneWnd
