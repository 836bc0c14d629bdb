#pragma once

#include "framework/resources.h"

#include <span>

// The application's string table, in identifier order.
extern const std::span<const StringEntry> kStringTable;

// The text of string `id` (UTF-8), or nullptr when the table has no such entry.
const char* LoadString(unsigned id);
