#pragma once
// The main window's handlers of the scan's, the tag reading's and the update
// check's closing messages. Each closes the handle of the thread that posted
// it, and only that one: a message naming an earlier run does nothing.

#include <windows.h>

// Starts the tag reading always, also when the scan found nothing, unless
// the scan was stopped (its handle closed) before this came.
void OnScanDone(WPARAM run);
// Gives the controls back and shows the summary, through EndTagReading.
void OnTagsDone(WPARAM run);
// The end of a tag reading that read every row: the controls back, the
// summary.
void EndTagReading();
// 1: out of date, and the program ends; anything else: up to date.
void OnUpdateChecked(WPARAM outOfDate);
