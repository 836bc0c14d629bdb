#pragma once

// The application's own resource and command identifiers. The framework's standard
// ones (ID_FILE_NEW, IDOK, ...) are in framework/command_ids.h.

// Menu bar, accelerator table, main icon and document template string.
inline constexpr unsigned IDR_MAINFRAME = 128;
// The document icon.
inline constexpr unsigned IDR_VELLTYPE = 129;
// The About dialog template.
inline constexpr unsigned IDD_ABOUTBOX = 100;

// The colour commands of the menu "颜色", carried out by the canvas view.
inline constexpr unsigned ID_COLOR_RED = 32771;
inline constexpr unsigned ID_COLOR_GREEN = 32772;
inline constexpr unsigned ID_COLOR_YELLOW = 32773;
inline constexpr unsigned ID_COLOR_BLUE = 32774;
