// Pieces the settings dialogs share: the Japanese font, OK and Cancel, integer edits and refusals.
#include "qt/DialogFields.h"

#include <QCoreApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFontMetrics>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>

namespace felux {

void UseJapaneseFont(QWidget* widget) {
    QFont font = widget->font();
    font.setFamilies({QStringLiteral("IPAPGothic"), QStringLiteral("IPAGothic"), font.family()});
    widget->setFont(font);
}

QDialogButtonBox* MakeOkCancel(QDialog* dialog) {
    auto* buttons = new QDialogButtonBox(dialog);
    QPushButton* ok = buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
    ok->setObjectName(QStringLiteral("buttonOk"));
    ok->setDefault(true);
    QPushButton* cancel = buttons->addButton(QCoreApplication::translate("DialogFields", "キャンセル"), QDialogButtonBox::RejectRole);
    cancel->setObjectName(QStringLiteral("buttonCancel"));
    cancel->setAutoDefault(false);
    QObject::connect(buttons, &QDialogButtonBox::accepted, dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, dialog, &QDialog::reject);
    return buttons;
}

QLineEdit* MakeNumberEdit(int control, int value, QWidget* parent) {
    auto* edit = new QLineEdit(QString::number(value), parent);
    edit->setObjectName(QStringLiteral("edit%1").arg(control));
    edit->setMaxLength(12);
    edit->setMinimumWidth(edit->fontMetrics().horizontalAdvance(QStringLiteral("-0000000")) + 12);
    edit->setMaximumWidth(edit->minimumWidth() * 2);
    return edit;
}

std::string EditText(const QLineEdit* edit) {
    return edit->text().normalized(QString::NormalizationForm_KC).toStdString();
}

void RefuseField(QDialog* dialog, QLineEdit* field, const std::string& message) {
    QMessageBox::warning(dialog, dialog->windowTitle(), QString::fromStdString(message));
    field->setFocus(Qt::OtherFocusReason);
    field->selectAll();
}

}  // namespace felux
