#include "link/printer_models.h"

#include <gtest/gtest.h>

namespace z3mq {
namespace {

struct PathCase {
  const char* name;
  const char* path;
  LinkKind linkKind;
  PrinterFamily family;
  const char* modelName;
};

class DevicePathTest : public testing::TestWithParam<PathCase> {};

TEST_P(DevicePathTest, ClassifiesFamilyLinkKindAndModelName) {
  const PathCase& c = GetParam();
  const PathClassification got = classifyDevicePath(c.path);
  EXPECT_EQ(got.linkKind, c.linkKind);
  EXPECT_EQ(got.family, c.family);
  EXPECT_EQ(modelNameForPath(c.path), c.modelName);
}

INSTANTIATE_TEST_SUITE_P(
    KnownAndForeignPaths, DevicePathTest,
    testing::Values(
        PathCase{"Z3mCdc", R"(\\?\usb#vid_045b&pid_5310#1#{a5dcbf10})", LinkKind::SerialEmulate,
                 PrinterFamily::Z3M, "Z3M-P"},
        PathCase{"Z3mPrinterClass", R"(\\?\usb#vid_045b&pid_5311#1#{a5dcbf10})",
                 LinkKind::ActualUsb, PrinterFamily::Z3M, "Z3M-P"},
        PathCase{"Q470Cdc", R"(\\?\usb#vid_28e9&pid_018a#1#{a5dcbf10})",
                 LinkKind::SerialEmulate, PrinterFamily::Q470, "Q470"},
        PathCase{"Q470PrinterClass", R"(\\?\usb#vid_0fe6&pid_8121#1#{a5dcbf10})",
                 LinkKind::ActualUsb, PrinterFamily::Q470, "Q470"},
        // Matching is case-sensitive: an upper-case path names no known printer.
        PathCase{"UpperCaseIsForeign", R"(\\?\USB#VID_045B&PID_5310#1)", LinkKind::ActualUsb,
                 PrinterFamily::Q470, "Unknown"},
        PathCase{"Empty", "", LinkKind::ActualUsb, PrinterFamily::Q470, "Unknown"}),
    [](const auto& info) { return info.param.name; });

TEST(PrinterModels, FindsEachKnownIdAndNothingElse) {
  for (const auto& model : kKnownPrinters) {
    EXPECT_EQ(findPrinterModel(model.vendorId, model.productId), &model);
  }
  EXPECT_EQ(findPrinterModel(0x045B, 0x5312), nullptr);
  EXPECT_EQ(findPrinterModel(0x1234, 0x018A), nullptr);
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
