#pragma once

// The shapes of the application's user-interface resources: menu bars, accelerator
// tables, string tables and dialog templates. The application writes its resources as
// constant tables of these types (app/resources/); the framework turns them into Qt
// menus, shortcuts and dialogs. Texts are UTF-8.

#include <QIcon>
#include <Qt>

#include <span>

// ---- Menus ----

// Menu item and popup flags.
inline constexpr unsigned MF_GRAYED = 0x0001;  // shown disabled until enabling says otherwise
inline constexpr unsigned MF_END = 0x0080;     // last item of its popup, last popup of its bar

// One item of a popup. In the text, "&" marks the next character as the mnemonic and
// the part after a tab is the shortcut hint shown at the right. A separator has id 0,
// no text and no flags.
struct MenuItem {
  const char* text;
  unsigned id;
  unsigned flags;
};

inline constexpr MenuItem kMenuSeparator{"", 0, 0};

inline constexpr bool IsSeparator(const MenuItem& item) {
  return item.id == 0 && (item.text == nullptr || item.text[0] == '\0');
}

struct MenuPopup {
  const char* text;
  unsigned flags;
  std::span<const MenuItem> items;
};

struct MenuResource {
  unsigned id;
  std::span<const MenuPopup> popups;
};

// ---- Accelerators ----

// A virtual-key entry: the key regardless of case, with exactly these modifiers.
struct Accelerator {
  Qt::Key key;
  Qt::KeyboardModifiers modifiers;
  unsigned id;
};

struct AcceleratorResource {
  unsigned id;
  std::span<const Accelerator> entries;
};

// ---- Strings ----

struct StringEntry {
  unsigned id;
  const char* text;
};

// The text of `id` in `table`, or nullptr when the table has no such entry.
const char* FindString(std::span<const StringEntry> table, unsigned id);

// ---- Dialog templates ----

// Window and control styles that the dialog builder understands. The values are ours;
// the names follow the resource vocabulary so a template reads like its definition.
inline constexpr unsigned WS_POPUP = 1u << 31;
inline constexpr unsigned WS_CHILD = 1u << 30;
inline constexpr unsigned WS_VISIBLE = 1u << 28;
inline constexpr unsigned WS_CAPTION = 1u << 23;
inline constexpr unsigned WS_SYSMENU = 1u << 19;
inline constexpr unsigned WS_GROUP = 1u << 17;
inline constexpr unsigned WS_TABSTOP = 1u << 16;
inline constexpr unsigned DS_MODALFRAME = 1u << 7;
inline constexpr unsigned DS_SETFONT = 1u << 6;
inline constexpr unsigned SS_LEFT = 0;
inline constexpr unsigned SS_ICON = 1u << 0;
inline constexpr unsigned SS_NOPREFIX = 1u << 1;
inline constexpr unsigned BS_PUSHBUTTON = 0;
inline constexpr unsigned BS_DEFPUSHBUTTON = 1u << 0;

enum class DialogControlClass { kStatic, kButton };

// One control; x, y, cx, cy in dialog units. For a static with SS_ICON, `iconId` names
// the icon and `text` is unused.
struct DialogControl {
  DialogControlClass controlClass;
  int id;
  int x, y, cx, cy;
  unsigned style;
  const char* text;
  unsigned iconId;
};

struct DialogFont {
  const char* face;
  int pointSize;
  int weight;  // 0: the face's normal weight
  bool italic;
  unsigned charset;
};

// A dialog: position and client size in dialog units, styles, caption, font and the
// controls in tab order.
struct DialogTemplate {
  unsigned id;
  int x, y, cx, cy;
  unsigned style;
  unsigned exStyle;
  const char* caption;
  DialogFont font;
  std::span<const DialogControl> controls;
};

// ---- Icons ----

// The application's resource file holds icon N as ":/icons/N.ico". An unknown id
// gives a null icon.
QIcon LoadIconResource(unsigned iconId);
