// The Select Deal dialog: shows the number of the deal on the table and takes another, 0 to 4294967295.
#pragma once

#include <QDialog>
#include <cstdint>
#include <optional>

class QLabel;
class QLineEdit;

namespace vantrel::platform {

class DealNumberDialog : public QDialog {
  Q_OBJECT

 public:
  // `current` fills the field, selected, so that typing replaces it.
  explicit DealNumberDialog(std::optional<std::uint32_t> current, QWidget* parent = nullptr);

  // The number OK took; nothing after Cancel, Esc, the close box, or the dialog ended any other way.
  std::optional<std::uint32_t> chosen() const { return chosen_; }
  QLineEdit* field() const { return field_; }
  QLabel* refusal() const { return refusal_; }

 private:
  // OK: a whole number in range is taken and the dialog closes; anything else is refused in the dialog,
  // which stays open.
  void TryAccept();

  QLineEdit* field_ = nullptr;
  QLabel* refusal_ = nullptr;
  std::optional<std::uint32_t> chosen_;
};

}  // namespace vantrel::platform
