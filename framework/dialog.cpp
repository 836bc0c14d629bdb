#include "framework/dialog.h"

#include <QApplication>
#include <QDialog>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QLabel>
#include <QMainWindow>
#include <QPushButton>

#include <algorithm>
#include <cmath>
#include <utility>

namespace {

constexpr char kControlIdProperty[] = "vellControlId";

// An icon static sizes itself to the icon, at the system's large icon size.
constexpr int kSystemIconSize = 32;

// Faces tried, in order, for a template face this machine does not have.
constexpr const char* kCjkFallbackFaces[] = {
    "SimSun", "NSimSun", "Noto Serif CJK SC", "Noto Sans CJK SC", "WenQuanYi Micro Hei",
    "WenQuanYi Zen Hei", "AR PL UMing CN",
};

// The window of a template dialog: every way of ending it goes through onCommand.
class TemplateDialog : public QDialog {
 public:
  TemplateDialog(QWidget* owner, std::function<void(int)> onCommand)
      : QDialog(owner), onCommand_(std::move(onCommand)) {}

  void Command(int controlId) {
    if (onCommand_) {
      onCommand_(controlId);
    } else if (controlId == IDOK || controlId == IDCANCEL) {
      done(controlId);
    }
  }
  void accept() override { Command(IDOK); }
  void reject() override { Command(IDCANCEL); }

 private:
  std::function<void(int)> onCommand_;
};

int RoundedMulDiv(int value, int numerator, int denominator) {
  return static_cast<int>(std::lround(double(value) * numerator / denominator));
}

// A static text without SS_NOPREFIX treats "&" as a mnemonic marker ("&&" is "&").
QString StaticText(const DialogControl& control) {
  QString text = QString::fromUtf8(control.text);
  if (control.style & SS_NOPREFIX) return text;
  QString shown;
  for (qsizetype i = 0; i < text.size(); ++i) {
    if (text[i] == u'&' && i + 1 < text.size()) ++i;
    shown += text[i];
  }
  return shown;
}

QWidget* MakeStatic(const DialogControl& control, QWidget* parent, QRect rect) {
  auto* label = new QLabel(parent);
  if (control.style & SS_ICON) {
    label->setPixmap(LoadIconResource(control.iconId).pixmap(kSystemIconSize, kSystemIconSize));
    rect.setSize({kSystemIconSize, kSystemIconSize});
  } else {
    label->setTextFormat(Qt::PlainText);
    label->setText(StaticText(control));
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setWordWrap(true);
  }
  label->setGeometry(rect);
  return label;
}

QWidget* MakeButton(const DialogControl& control, TemplateDialog* dialog, QRect rect) {
  auto* button = new QPushButton(QString::fromUtf8(control.text), dialog);
  button->setDefault(control.style & BS_DEFPUSHBUTTON);
  button->setFocusPolicy((control.style & WS_TABSTOP) ? Qt::StrongFocus : Qt::NoFocus);
  button->setGeometry(rect);
  const int id = control.id;
  QObject::connect(button, &QPushButton::clicked, dialog, [dialog, id] { dialog->Command(id); });
  return button;
}

Qt::WindowFlags WindowFlagsOf(unsigned style) {
  Qt::WindowFlags flags = Qt::Dialog | Qt::CustomizeWindowHint;
  if (style & WS_CAPTION) flags |= Qt::WindowTitleHint;
  if (style & WS_SYSMENU) flags |= Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
  return flags;
}

void AddControls(const DialogTemplate& dialogTemplate, TemplateDialog* dialog,
                 DialogBaseUnits units) {
  QWidget* firstTabStop = nullptr;
  for (const DialogControl& control : dialogTemplate.controls) {
    const QRect rect = MapDialogRect({control.x, control.y, control.cx, control.cy}, units);
    QWidget* widget = control.controlClass == DialogControlClass::kButton
                          ? MakeButton(control, dialog, rect)
                          : MakeStatic(control, dialog, rect);
    widget->setProperty(kControlIdProperty, control.id);
    if (!(control.style & WS_VISIBLE)) widget->hide();
    if (firstTabStop == nullptr && (control.style & WS_TABSTOP)) firstTabStop = widget;
  }
  // The focus starts on the first control with a tab stop.
  if (firstTabStop != nullptr) firstTabStop->setFocus();
}

}  // namespace

DialogBaseUnits DialogBaseUnitsOf(const QFont& font) {
  const QFontMetrics metrics(font);
  static const QString kLetters =
      QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
  // The average of the 52 letters, rounded to the nearest pixel.
  const int averageWidth = (metrics.horizontalAdvance(kLetters) / 26 + 1) / 2;
  return {averageWidth, metrics.height()};
}

QRect MapDialogRect(const QRect& dialogUnits, DialogBaseUnits units) {
  return QRect(RoundedMulDiv(dialogUnits.x(), units.x, 4),
               RoundedMulDiv(dialogUnits.y(), units.y, 8),
               RoundedMulDiv(dialogUnits.width(), units.x, 4),
               RoundedMulDiv(dialogUnits.height(), units.y, 8));
}

QFont DialogFontOf(const DialogFont& font) {
  QString face = QString::fromUtf8(font.face);
  if (!QFontDatabase::hasFamily(face)) {
    for (const char* fallback : kCjkFallbackFaces) {
      if (QFontDatabase::hasFamily(fallback)) {
        face = fallback;
        break;
      }
    }
  }
  QFont qfont(face, font.pointSize);
  // Weight 0 asks for the face's normal weight; others are on the 0..1000 scale.
  if (font.weight > 0) qfont.setWeight(QFont::Weight(std::clamp(font.weight, 1, 1000)));
  qfont.setItalic(font.italic);
  return qfont;
}

std::unique_ptr<QDialog> CreateDialogWindow(const DialogTemplate& dialogTemplate,
                                            QWidget* owner,
                                            std::function<void(int)> onCommand) {
  auto dialog = std::make_unique<TemplateDialog>(owner, std::move(onCommand));
  dialog->setWindowFlags(WindowFlagsOf(dialogTemplate.style));
  dialog->setWindowTitle(QString::fromUtf8(dialogTemplate.caption));
  if (dialogTemplate.style & DS_SETFONT) dialog->setFont(DialogFontOf(dialogTemplate.font));
  const DialogBaseUnits units = DialogBaseUnitsOf(dialog->font());
  const QRect client = MapDialogRect(
      {dialogTemplate.x, dialogTemplate.y, dialogTemplate.cx, dialogTemplate.cy}, units);
  // A modal frame does not resize; the template's position (0, 0) leaves the
  // placement to the default, centred over the owner.
  dialog->setFixedSize(client.size());
  AddControls(dialogTemplate, dialog.get(), units);
  return dialog;
}

CDialog::CDialog(const DialogTemplate& dialogTemplate, QWidget* parent)
    : template_(dialogTemplate), parent_(parent) {}

CDialog::~CDialog() = default;

int CDialog::DoModal() {
  window_ = CreateDialogWindow(template_, OwnerWindow(), [this](int id) { OnCommand(id); });
  // The focus is already on the first tab stop; OnInitDialog may move it.
  OnInitDialog();
  const int result = window_->exec();
  window_.reset();
  return result;
}

void CDialog::EndDialog(int result) {
  if (window_) window_->done(result);
}

void CDialog::OnCommand(int controlId) {
  if (controlId == IDOK) {
    OnOK();
  } else if (controlId == IDCANCEL) {
    OnCancel();
  }
}

QWidget* CDialog::OwnerWindow() const {
  if (parent_ != nullptr) return parent_->window();
  if (QWidget* active = QApplication::activeWindow()) return active;
  for (QWidget* topLevel : QApplication::topLevelWidgets()) {
    if (qobject_cast<QMainWindow*>(topLevel) && topLevel->isVisible()) return topLevel;
  }
  return nullptr;
}
