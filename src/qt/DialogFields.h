// Pieces the settings dialogs share: the Japanese font, OK and Cancel, integer edits and refusals.
#pragma once

#include <QString>
#include <string>

class QDialog;
class QDialogButtonBox;
class QLineEdit;
class QWidget;

namespace felux {

// The IPA faces first, so that the Japanese captions never fall back to a font without them.
void UseJapaneseFont(QWidget* widget);

// OK (the default button, so Enter is OK) and キャンセル, wired to accept and reject.
QDialogButtonBox* MakeOkCancel(QDialog* dialog);

// An edit for an integer; its name is "edit" and the control number.
QLineEdit* MakeNumberEdit(int control, int value, QWidget* parent);

// The edit's text with full-width digits and signs typed through an input method made plain.
std::string EditText(const QLineEdit* edit);

// A refused value: the message over the dialog, then the focus and the selection on the field.
void RefuseField(QDialog* dialog, QLineEdit* field, const std::string& message);

}  // namespace felux
