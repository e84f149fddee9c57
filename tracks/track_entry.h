#pragma once
// The tag texts of one file: the tag reader's result, kept as it is.

#include "tags/tag_fields.h"
