#include "legacy/codec/menu_block.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <stdexcept>
#include <string>

namespace z3mq {
namespace {

std::string selectedItem(const MenuSelections& selections, int listId) {
  const int index = selections.selection(listId);
  for (const MenuListField& field : kMenuListFields) {
    if (field.controlId == listId && index >= 0) return std::string(field.items[index]);
  }
  return "(none)";
}

TEST(MenuBlock, DefaultsEncodeToTheFactoryBlock) {
  const MenuEncoding encoding = encodeMenuBlock(defaultMenuSelections());
  EXPECT_EQ(encoding.block, (MenuBlock{0x00, 0x00, 0x00, 0x6B, 0x00, 0x26, 0x29, 0x00, 0x00}));
  EXPECT_TRUE(encoding.unselectedListIds.empty());
}

TEST(MenuBlock, DecodesEveryFieldAndLeavesValuesWithoutItemUnselected) {
  const MenuSelections s = decodeMenuBlock({0x3C, 0x38, 0xD3, 0xFF, 0xFF, 0x7F, 0xFF, 0xFF, 0xFF});
  const std::pair<int, const char*> shown[] = {{1166, "Page 60 Farsi"},
                                               {1182, "Spain I"},
                                               {1270, "Swap A+B and C+D"},
                                               {1271, "B: 26x26"},
                                               {1272, "Double byte country"},
                                               {1273, "Simplified chinese"},
                                               {1184, "(none)"},
                                               {1187, "58mm (2inch)"},
                                               {1180, "48/35 CPL"},
                                               {1188, "(none)"},
                                               {1194, "(none)"},
                                               {1195, "(none)"},
                                               {1217, "(none)"},
                                               {1218, "(none)"},
                                               {1247, "(none)"},
                                               {1248, "(none)"},
                                               {1249, "(none)"},
                                               {1250, "Enable"},
                                               {1251, "PRINTER"},
                                               {1252, "Enable"},
                                               {1253, "Enable"},
                                               {1254, "(none)"},
                                               {1255, "(none)"}};
  for (const auto& [listId, item] : shown) {
    EXPECT_EQ(selectedItem(s, listId), item) << "list " << listId;
  }
  for (int id = 1080; id <= 1087; ++id) EXPECT_TRUE(s.checked(id)) << "check box " << id;
}

struct CodePageCase {
  const char* name;
  std::uint8_t byte0;
  const char* item;
  std::uint8_t writtenBack;
};

class CodePageTest : public testing::TestWithParam<CodePageCase> {};

TEST_P(CodePageTest, DecodesAndWritesBackByte0) {
  const CodePageCase& c = GetParam();
  const MenuSelections s = decodeMenuBlock({c.byte0});
  EXPECT_EQ(selectedItem(s, kCodePageListId), c.item);
  EXPECT_EQ(encodeMenuBlock(s).block[0], c.writtenBack);
}

INSTANTIATE_TEST_SUITE_P(Bytes, CodePageTest,
                         testing::Values(CodePageCase{"First", 0, "Page 0 PC437", 0},
                                         CodePageCase{"AfterGap", 15, "Page 15 ISO8859-7", 15},
                                         CodePageCase{"Last", 60, "Page 60 Farsi", 60},
                                         CodePageCase{"UnknownInGap", 0x16, "Page 0 PC437", 0},
                                         CodePageCase{"UnknownAfterLast", 61, "Page 0 PC437", 0},
                                         CodePageCase{"UnknownHigh", 0xFF, "Page 0 PC437", 0}),
                         [](const auto& info) { return info.param.name; });

TEST(MenuBlock, CodePageItemsNameTheirByteValue) {
  for (const menu::CodePage& page : menu::kCodePages) {
    EXPECT_EQ(page.item.substr(0, page.item.find(' ', 5)), "Page " + std::to_string(page.number));
  }
}

TEST(MenuBlock, CheckBoxesMapToByte8FromBit7Down) {
  EXPECT_EQ(decodeMenuBlock({0, 0, 0, 0, 0, 0, 0, 0, 0x01}).checks,
            (std::array<bool, 8>{false, false, false, false, false, false, false, true}));
  EXPECT_EQ(decodeMenuBlock({0, 0, 0, 0, 0, 0, 0, 0, 0x80}).checks,
            (std::array<bool, 8>{true, false, false, false, false, false, false, false}));
  MenuSelections s = defaultMenuSelections();
  s.checked(1086) = true;
  EXPECT_EQ(encodeMenuBlock(s).block[8], 0x02);
}

struct UnselectedCase {
  const char* name;
  int listId;
  int index;
};

class UnselectedListTest : public testing::TestWithParam<UnselectedCase> {};

TEST_P(UnselectedListTest, IsWrittenAsZeroAndReported) {
  MenuSelections s = defaultMenuSelections();
  s.selection(GetParam().listId) = GetParam().index;
  s.selection(1188) = 7;  // another list without an item at that index
  MenuSelections expected = defaultMenuSelections();
  expected.selection(GetParam().listId) = 0;
  expected.selection(1188) = 0;

  const MenuEncoding encoding = encodeMenuBlock(s);
  EXPECT_EQ(encoding.block, encodeMenuBlock(expected).block);
  EXPECT_THAT(encoding.unselectedListIds, testing::UnorderedElementsAre(GetParam().listId, 1188));
}

INSTANTIATE_TEST_SUITE_P(Lists, UnselectedListTest,
                         testing::Values(UnselectedCase{"NoCodePage", kCodePageListId, -1},
                                         UnselectedCase{"CodePageBeyondTable", kCodePageListId, 34},
                                         UnselectedCase{"NoBaudrate", 1247, kNoSelection},
                                         UnselectedCase{"ParityBeyondItems", 1248, 3},
                                         UnselectedCase{"HugeIndexDoesNotSpill", 1251, 1000}),
                         [](const auto& info) { return info.param.name; });

TEST(MenuSelections, RefusesIdsThatAreNoMenuControls) {
  MenuSelections s;
  EXPECT_THROW(s.selection(1079), std::out_of_range);
  EXPECT_THROW(s.checked(1088), std::out_of_range);
  EXPECT_THROW(s.checked(1166), std::out_of_range);
}

// Bits no control covers: Byte 1 bits 0-2, Byte 2 bits 2, 3, 5, Byte 5 bit 7, Byte 6 bits 2
// and 4, Byte 7 bits 3-7.
constexpr MenuBlock kUncovered{0x00, 0x07, 0x2C, 0x00, 0x00, 0x80, 0x14, 0xF8, 0x00};

// Decoding then encoding keeps every field that has an item, clears uncovered bits, writes
// fields without an item as 0 and turns an unknown code page into 0.
void expectRoundTrip(const MenuBlock& block) {
  const MenuSelections decoded = decodeMenuBlock(block);
  const MenuEncoding encoding = encodeMenuBlock(decoded);
  const MenuBlock& out = encoding.block;

  for (std::size_t i = 0; i < out.size(); ++i) {
    EXPECT_EQ(out[i] & kUncovered[i], 0) << "Byte " << i;
  }
  std::size_t unselected = 0;
  for (std::size_t f = 0; f < kMenuListFields.size(); ++f) {
    const MenuListField& field = kMenuListFields[f];
    const auto mask = static_cast<std::uint8_t>(((1u << field.width) - 1) << field.shift);
    const int outValue = (out[field.byte] & mask) >> field.shift;
    const bool hasItem = decoded.lists[f] != kNoSelection;
    if (!hasItem) ++unselected;
    if (field.controlId == kCodePageListId) {
      const bool known =
          std::any_of(menu::kCodePages.begin(), menu::kCodePages.end(),
                      [&](const menu::CodePage& page) { return page.number == block[0]; });
      EXPECT_EQ(outValue, known ? block[0] : 0);
    } else {
      EXPECT_EQ(outValue, hasItem ? (block[field.byte] & mask) >> field.shift : 0)
          << "list " << field.controlId;
    }
  }
  EXPECT_EQ(encoding.unselectedListIds.size(), unselected);
  EXPECT_EQ(out[8], block[8]);
  MenuBlock covered = block;
  for (std::size_t i = 0; i < covered.size(); ++i) covered[i] &= ~kUncovered[i];
  EXPECT_TRUE(decodeMenuBlock(covered) == decoded) << "uncovered bits were read";
  EXPECT_EQ(encodeMenuBlock(decodeMenuBlock(out)).block, out) << "not stable";
}

TEST(MenuBlock, RoundTripsEveryValueOfEachByte) {
  for (std::size_t position = 0; position < 9; ++position) {
    for (int value = 0; value < 256; ++value) {
      MenuBlock block{};
      block[position] = static_cast<std::uint8_t>(value);
      SCOPED_TRACE("Byte " + std::to_string(position) + " = " + std::to_string(value));
      expectRoundTrip(block);
    }
  }
}

TEST(MenuBlock, RoundTripsRandomBlocks) {
  std::mt19937 random(0x23F);
  std::uniform_int_distribution<int> byte(0, 255);
  for (int n = 0; n < 2000; ++n) {
    MenuBlock block;
    for (auto& b : block) b = static_cast<std::uint8_t>(byte(random));
    SCOPED_TRACE(n);
    expectRoundTrip(block);
  }
}

}  // namespace
}  // namespace z3mq
