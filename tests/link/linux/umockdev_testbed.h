#pragma once

#include <gtest/gtest.h>
#include <umockdev.h>

#include <cstdint>
#include <string>

namespace z3mq::testing {

// Whether libudev and device nodes are redirected into a umockdev testbed in this process.
bool umockdevPreloaded();

// The text description of a USB device with one interface, for umockdev_testbed_add_from_string.
// The device sits at /sys/devices/pci0000:00/usb1/<port>; idLines say how it shows its ids
// (sysfs attributes, PRODUCT, ID_VENDOR_ID/ID_MODEL_ID); node is "" for no device node, or a
// "tty/ttyACM0" or "usbmisc/lp0" style subsystem/name of the node under the interface.
std::string usbDeviceDescription(const std::string& port, const std::string& idLines,
                                 const std::string& node = "");

// The usual ids of a present device: the sysfs attributes and the kernel's PRODUCT property.
std::string presentIds(std::uint16_t vendorId, std::uint16_t productId);

// The sysfs path of the usb_device at a port.
std::string usbDeviceSyspath(const std::string& port);

// One testbed per test, devices described in text, parent first. Tests skip with the reason
// when umockdev cannot run here. The testbed and its temporary directory go with the test.
class UmockdevTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  void add(const std::string& description);
  // The printer's end of a node: the master of the pseudo-terminal behind it.
  int printerEnd(const std::string& devnode);
  // The device goes away as the kernel shows it to an open node: the node is hung up.
  void hangUp(const std::string& devnode);
  void uevent(const std::string& syspath, const char* action);

  UMockdevTestbed* testbed_ = nullptr;
};

}  // namespace z3mq::testing
