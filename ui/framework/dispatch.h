#pragma once
// Routes the main window's WM_COMMAND and WM_NOTIFY to the object of the
// control that sent them. Windows that are not registered get 0.

#include <windows.h>

// BN_CLICKED -> OnClick of a button, EN_CHANGE -> OnChange of an edit (0);
// any other code calls nothing and answers 1.
LRESULT DispatchCommand(WPARAM wParam, LPARAM lParam);

// The list's custom draw, scroll and click notifications, and changes of
// its selection or rows (LVN_DELETEALLITEMS answers TRUE); others answer 0.
LRESULT DispatchNotify(const NMHDR* header);
