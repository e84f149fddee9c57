#pragma once
// Every worker starts the same way: default security and stack, running at
// once. The handle is kept until the worker's closing message arrives.

#include <windows.h>

#include "ui/framework/handles.h"

UniqueHandle StartWorker(LPTHREAD_START_ROUTINE routine, void* parameter = nullptr);
