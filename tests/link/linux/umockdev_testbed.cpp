#include "link/linux/umockdev_testbed.h"

#include <fcntl.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <string_view>

namespace z3mq::testing {

bool umockdevPreloaded() {
  const char* preload = std::getenv("LD_PRELOAD");
  return preload != nullptr &&
         std::string_view(preload).find("libumockdev-preload") != std::string_view::npos;
}

std::string usbDeviceSyspath(const std::string& port) {
  return "/sys/devices/pci0000:00/usb1/" + port;
}

std::string presentIds(std::uint16_t vendorId, std::uint16_t productId) {
  char text[128];
  std::snprintf(text, sizeof text, "A: idVendor=%04x\nA: idProduct=%04x\nE: PRODUCT=%x/%x/100\n",
                vendorId, productId, vendorId, productId);
  return text;
}

std::string usbDeviceDescription(const std::string& port, const std::string& idLines,
                                 const std::string& node) {
  const std::string device = usbDeviceSyspath(port).substr(4);  // without /sys
  std::string text = "P: " + device + "\nE: SUBSYSTEM=usb\nE: DEVTYPE=usb_device\n" + idLines +
                     "\nP: " + device + "/" + port + ":1.0\nE: SUBSYSTEM=usb\n" +
                     "E: DEVTYPE=usb_interface\n";
  if (!node.empty()) {
    const auto slash = node.find('/');
    const std::string subsystem = node.substr(0, slash);
    const std::string name = node.substr(slash + 1);
    const std::string devname = subsystem == "usbmisc" ? "usb/" + name : name;
    text += "\nP: " + device + "/" + port + ":1.0/" + node + "\nN: " + devname +
            "\nE: SUBSYSTEM=" + subsystem + "\nE: DEVNAME=/dev/" + devname + "\n";
  }
  return text;
}

void UmockdevTest::SetUp() {
  if (!umockdevPreloaded()) {
    GTEST_SKIP() << "umockdev preload missing: umockdev-wrapper is not installed or not usable "
                    "(Debian package umockdev)";
  }
  testbed_ = umockdev_testbed_new();
  if (testbed_ == nullptr) GTEST_SKIP() << "umockdev cannot create a testbed here";
}

void UmockdevTest::TearDown() {
  if (testbed_ != nullptr) g_object_unref(testbed_);  // removes the testbed's directory
}

void UmockdevTest::add(const std::string& description) {
  GError* error = nullptr;
  if (!umockdev_testbed_add_from_string(testbed_, description.c_str(), &error)) {
    ADD_FAILURE() << "testbed refused a device: " << (error ? error->message : "?");
    g_clear_error(&error);
  }
}

int UmockdevTest::printerEnd(const std::string& devnode) {
  return umockdev_testbed_get_dev_fd(testbed_, devnode.c_str());
}

void UmockdevTest::hangUp(const std::string& devnode) {
  // The testbed owns the master and closes it later, so its number is kept: /dev/null takes it.
  const int master = printerEnd(devnode);
  const int null = ::open("/dev/null", O_RDWR | O_CLOEXEC);
  ASSERT_GE(master, 0);
  ASSERT_GE(null, 0);
  ASSERT_GE(::dup2(null, master), 0);
  ::close(null);
}

void UmockdevTest::uevent(const std::string& syspath, const char* action) {
  umockdev_testbed_uevent(testbed_, syspath.c_str(), action);
}

}  // namespace z3mq::testing
