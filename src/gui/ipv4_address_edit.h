#pragma once

#include <QFrame>
#include <QLineEdit>
#include <array>
#include <cstdint>

namespace z3mq {

// An IPv4 address field: four octet fields separated by dots in one frame. Its value holds the
// first octet in the most significant byte; an empty octet counts as 0. Typing a third digit or a
// dot moves on to the next octet.
class Ipv4AddressEdit : public QFrame {
  Q_OBJECT

 public:
  explicit Ipv4AddressEdit(QWidget* parent = nullptr);

  std::uint32_t address() const;
  // Emits nothing.
  void setAddress(std::uint32_t address);

  QLineEdit* octetField(int index) const { return octets_[static_cast<std::size_t>(index)]; }

 signals:
  // The user changed an octet.
  void addressEdited(std::uint32_t address);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void octetEdited(int index);
  void focusOctet(int index);

  std::array<QLineEdit*, 4> octets_{};
};

}  // namespace z3mq
