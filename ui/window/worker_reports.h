#pragma once
// The main window's handlers of the scan's, the tag reading's and the update
// check's closing messages. Each closes the handle of the thread that posted it.

#include <windows.h>

// Starts the tag reading always, also when the scan found nothing, unless
// the scan was stopped (its handle closed) before this came.
void OnScanDone();
void OnTagsDone();
// 1: out of date, and the program ends; anything else: up to date.
void OnUpdateChecked(WPARAM outOfDate);
