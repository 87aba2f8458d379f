// The Select Deal dialog.
#include "platform_qt/deal_number_dialog.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "table/decimal_text.h"

namespace vantrel::platform {

DealNumberDialog::DealNumberDialog(std::optional<std::uint32_t> current, QWidget* parent) : QDialog(parent) {
  setWindowTitle(QCoreApplication::translate("Select Deal", "Select Deal"));
  auto* layout = new QVBoxLayout(this);
  layout->setSizeConstraint(QLayout::SetFixedSize);
  auto* label =
      new QLabel(QCoreApplication::translate("Select Deal", "Deal number (0 to 4294967295):"), this);
  field_ = new QLineEdit(current ? QString::number(*current) : QString(), this);
  field_->setObjectName(QStringLiteral("dealNumber"));
  field_->selectAll();
  refusal_ = new QLabel(
      QCoreApplication::translate("Select Deal", "Enter a whole number from 0 to 4294967295."), this);
  refusal_->setObjectName(QStringLiteral("refusal"));
  refusal_->hide();
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  connect(buttons, &QDialogButtonBox::accepted, this, &DealNumberDialog::TryAccept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  for (QWidget* part : {static_cast<QWidget*>(label), static_cast<QWidget*>(field_),
                        static_cast<QWidget*>(refusal_), static_cast<QWidget*>(buttons)}) {
    layout->addWidget(part);
  }
}

void DealNumberDialog::TryAccept() {
  const std::optional<std::uint64_t> number =
      ParseDecimal(field_->text().trimmed().toStdString(), 0xFFFFFFFFu);
  if (!number) {
    refusal_->show();
    field_->setFocus();
    field_->selectAll();
    return;
  }
  chosen_ = static_cast<std::uint32_t>(*number);
  accept();
}

}  // namespace vantrel::platform
