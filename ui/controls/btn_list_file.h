#pragma once
// "刷新文件列表": refresh the file list, or stop the scan or the tag reading
// while it reads "停止" (ui/listing/).

#include "ui/framework/button.h"

namespace CorvaneWnd {

class CBtnListFile : public CCorvaneButton {
 public:
  void OnClick() override;
};

}  // namespace CorvaneWnd
