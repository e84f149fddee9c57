#pragma once
// "刷新文件列表": refresh the file list, or stop the scan while it reads "停止".

#include "ui/framework/button.h"

namespace CorvaneWnd {

class CBtnListFile : public CCorvaneButton {
  // Its OnClick override comes with the command itself; until then a click
  // ends in the button's empty one.
};

}  // namespace CorvaneWnd
