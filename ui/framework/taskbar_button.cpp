#include "ui/framework/taskbar_button.h"

#include "platform/shell_handles.h"

namespace {

class ShellTaskbarList final : public TaskbarButton {
 public:
  void Renew() override {
    list_.reset();
    missing_ = false;
  }

  HRESULT SetProgressValue(HWND window, ULONGLONG done, ULONGLONG total) override {
    ITaskbarList3* list = List();
    return list != nullptr ? list->SetProgressValue(window, done, total) : E_NOINTERFACE;
  }

  HRESULT SetProgressState(HWND window, TBPFLAG state) override {
    ITaskbarList3* list = List();
    return list != nullptr ? list->SetProgressState(window, state) : E_NOINTERFACE;
  }

 private:
  ITaskbarList3* List() {
    if (list_ || missing_) return list_.get();
    ITaskbarList3* made = nullptr;
    if (SUCCEEDED(CoCreateInstance(CLSID_TaskbarList, nullptr, CLSCTX_INPROC_SERVER,
                                   IID_ITaskbarList3, reinterpret_cast<void**>(&made)))) {
      list_.reset(made);
      if (SUCCEEDED(list_.get()->HrInit())) return list_.get();
      list_.reset();
    }
    missing_ = true;
    return nullptr;
  }

  ComReference<ITaskbarList3> list_;
  bool missing_ = false;  // asked and found none since the last Renew
};

}  // namespace

TaskbarButton& ShellTaskbarButton() {
  // Never destroyed: COM is gone by the time static destructors would
  // release the list.
  static auto* button = new ShellTaskbarList();
  return *button;
}
