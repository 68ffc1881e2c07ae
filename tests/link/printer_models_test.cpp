#include "link/printer_models.h"

#include <gtest/gtest.h>

namespace z3mq {
namespace {

TEST(PrinterModels, FindsEachKnownIdAndNothingElse) {
  for (const auto& model : kKnownPrinters) {
    EXPECT_EQ(findPrinterModel(model.vendorId, model.productId), &model);
  }
  EXPECT_EQ(findPrinterModel(0x045B, 0x5312), nullptr);
  EXPECT_EQ(findPrinterModel(0x1234, 0x018A), nullptr);
}

TEST(PrinterModels, FindsByWholeCaseSensitiveDeviceId) {
  EXPECT_EQ(findPrinterModelByDeviceId("VID_28E9&PID_018A"), &kKnownPrinters[2]);
  EXPECT_EQ(findPrinterModelByDeviceId("vid_28e9&pid_018a"), nullptr);
  EXPECT_EQ(findPrinterModelByDeviceId("VID_28E9&PID_018A#"), nullptr);
  EXPECT_EQ(modelNameOf(&kKnownPrinters[1]), "Z3M-P");
  EXPECT_EQ(modelNameOf(nullptr), "Unknown");
}

TEST(PrinterModels, BuildsWindowsStyleInterfaceNames) {
  EXPECT_EQ(usbDeviceId(0x28E9, 0x018A), "VID_28E9&PID_018A");
  const std::string name = usbInterfaceName(0x045B, 0x5310, "5&1a2b3c&0&1");
  EXPECT_EQ(name.substr(0, 8), R"(\\?\USB#)");
  // The device-event handler takes the identifier from position 8 of the interface name.
  EXPECT_EQ(name.substr(8, 17), "VID_045B&PID_5310");
}

}  // namespace
}  // namespace z3mq
