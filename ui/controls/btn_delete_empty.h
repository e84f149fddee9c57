#pragma once
// The delete/clear button inside the file list: removes the selected rows,
// or clears the list, after asking (the rows go through ui/state/rows.h).

#include "ui/framework/button.h"

namespace CorvaneWnd {

class CBtnDeleteEmpty : public CCorvaneButton {
 public:
  // Decides by the list's selection, not by its own caption, which may be stale.
  void OnClick() override;

 private:
  void DeleteSelectedRows(int selectedCount);
  void ClearList();
};

}  // namespace CorvaneWnd
