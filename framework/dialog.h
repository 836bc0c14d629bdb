#pragma once

#include <QFont>
#include <QRect>

#include <functional>
#include <memory>

#include "framework/command_ids.h"
#include "framework/resources.h"

class QDialog;
class QWidget;

// Dialog base units of a font: the average width of its Latin letters and its
// character height, in pixels. A dialog unit is a quarter of the first horizontally
// and an eighth of the second vertically.
struct DialogBaseUnits {
  int x;
  int y;
};

DialogBaseUnits DialogBaseUnitsOf(const QFont& font);

// A rectangle in dialog units mapped to pixels, each edge rounded to the nearest pixel.
QRect MapDialogRect(const QRect& dialogUnits, DialogBaseUnits units);

// The font of a template. A face this machine lacks (SimSun, "宋体", ...) is replaced by
// an installed CJK face so the Chinese texts render.
QFont DialogFontOf(const DialogFont& font);

// Builds the window of `dialogTemplate`, not yet shown: caption, font, fixed client
// size and controls at their pixel positions. Every control carries its id in the
// property "vellControlId". A push button, Enter (through the default button), Esc
// and the close box call `onCommand` with the button's id, IDOK or IDCANCEL; without
// `onCommand`, IDOK and IDCANCEL end the dialog with that result.
std::unique_ptr<QDialog> CreateDialogWindow(const DialogTemplate& dialogTemplate,
                                            QWidget* owner,
                                            std::function<void(int controlId)> onCommand = {});

// A modal dialog made from a template. The button IDOK, Enter (the default button)
// end it with IDOK; Esc and the close box end it with IDCANCEL.
class CDialog {
 public:
  // `parent` is the owner; none means the application's active main window.
  explicit CDialog(const DialogTemplate& dialogTemplate, QWidget* parent = nullptr);
  virtual ~CDialog();
  CDialog(const CDialog&) = delete;
  CDialog& operator=(const CDialog&) = delete;

  // Shows the dialog modally; the owner takes no input meanwhile. Returns the result
  // given to EndDialog: IDOK or IDCANCEL for the standard buttons and keys.
  int DoModal();
  // Ends the modal run with `result`; nothing when the dialog is not running.
  void EndDialog(int result);

  // The window while DoModal runs, otherwise nullptr.
  QDialog* window() const { return window_.get(); }
  const DialogTemplate& dialogTemplate() const { return template_; }

 protected:
  // Runs after the controls are made and before the dialog shows. The focus is then on
  // the first tab stop; an override that moves it returns false.
  virtual bool OnInitDialog() { return true; }
  virtual void OnOK() { EndDialog(IDOK); }
  virtual void OnCancel() { EndDialog(IDCANCEL); }

 private:
  void OnCommand(int controlId);
  QWidget* OwnerWindow() const;

  const DialogTemplate& template_;
  QWidget* parent_;
  std::unique_ptr<QDialog> window_;
};
