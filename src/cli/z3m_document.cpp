#include "cli/z3m_document.h"

#include <string>

#include "legacy/codec/menu_items.h"

namespace z3mq {
namespace {

std::string byteKey(std::uint8_t byte) {
  return "Byte " + std::to_string(byte);
}

// The code page list has no label of its own; its group box names it.
std::string_view labelOf(const MenuListField& field) {
  return field.label.empty() ? std::string_view("Codepage") : field.label;
}

std::string checkKey(std::size_t position) {
  return std::to_string(kFirstMenuCheckId + static_cast<int>(position));
}

Json fontJson(const std::optional<std::string>& version) {
  return version ? Json(*version) : Json(nullptr);
}

}  // namespace

Json z3mIdentityJson(const PrinterInformation& identity) {
  Json json{{"modelName", identity.modelName},
            {"firmwareVersion", identity.firmwareVersion},
            {"updateDate", identity.updateDate},
            {"serialNumber", identity.serialNumber},
            {"partition", identity.partition}};
  // Older firmware sends no font versions at all; null says "Not Installed".
  if (identity.fontVersions) {
    json["fontVersionSingleByte"] = fontJson(identity.fontVersions->singleByte);
    json["fontVersionDoubleByte"] = fontJson(identity.fontVersions->doubleByte);
  }
  return json;
}

Json z3mDocumentJson(const Z3mDocument& document) {
  Json menu = Json::object();
  for (std::size_t i = 0; i < kMenuListFields.size(); ++i) {
    const MenuListField& field = kMenuListFields[i];
    menu[byteKey(field.byte)][labelOf(field)] = itemJson(field.items, document.menu.lists[i]);
  }
  Json& checks = menu[byteKey(kMenuCheckByte)];
  for (std::size_t i = 0; i < kMenuCheckCount; ++i) checks[checkKey(i)] = document.menu.checks[i];
  Json json = Json::object();
  json["family"] = "z3m";
  json["identity"] = z3mIdentityJson(document.identity);
  json["menu"] = std::move(menu);
  return json;
}

MenuSelections z3mMenuFromJson(const Json& document) {
  const Json& menu = requireObject(document, "menu", "");
  MenuSelections selections;
  for (std::size_t i = 0; i < kMenuListFields.size(); ++i) {
    const MenuListField& field = kMenuListFields[i];
    const std::string byte = byteKey(field.byte);
    selections.lists[i] = requireItem(requireObject(menu, byte, "menu"), labelOf(field),
                                      field.items, fieldPath("menu", byte));
  }
  const std::string byte = byteKey(kMenuCheckByte);
  const Json& checks = requireObject(menu, byte, "menu");
  for (std::size_t i = 0; i < kMenuCheckCount; ++i) {
    selections.checks[i] = requireBool(checks, checkKey(i), fieldPath("menu", byte));
  }
  return selections;
}

}  // namespace z3mq
