#include "legacy/legacy_response_handler.h"

#include <string>

#include "legacy/codec/ethernet_information.h"
#include "legacy/codec/information.h"
#include "legacy/codec/module_information.h"
#include "legacy/codec/response.h"
#include "legacy/menu_switch_page.h"
#include "legacy/z3m_network_page.h"
#include "link/session.h"
#include "ui/dialog.h"
#include "ui/message_box_service.h"

namespace z3mq {

namespace {

// Labels of the main window's information panel.
constexpr int kModelNameLabel = 1242;
constexpr int kFirmwareLabel = 1243;
constexpr int kUpdateDateLabel = 1245;
constexpr int kSerialLabel = 1244;
constexpr int kPartitionLabel = 1246;
constexpr int kSingleByteFontLabel = 1303;
constexpr int kDoubleByteFontLabel = 1304;

std::string fontText(const char* prefix, const std::optional<std::string>& version) {
  return std::string(prefix) + version.value_or("Not Installed");
}

}  // namespace

LegacyResponseHandler::LegacyResponseHandler(const Z3MShell& shell, MenuSwitchPage& menuPage,
                                             Z3MNetworkPage& networkPage)
    : shell_(shell), menuPage_(menuPage), networkPage_(networkPage) {}

void LegacyResponseHandler::handle(std::span<const std::uint8_t> packet) {
  switch (classifyLegacyResponse(packet)) {
    case LegacyResponseKind::ModuleNotReady:
      shell_.messageBoxes.show("ESP32 Module not ready");
      break;
    case LegacyResponseKind::Information:
      showIdentity(readInformationResponse(packet));
      markIdentified();
      shell_.runRead();
      break;
    case LegacyResponseKind::MenuSwitch:
      menuPage_.show(decodeMenuBlock(menuBlockOfResponse(packet)));
      break;
    case LegacyResponseKind::ModuleInformation:
      networkPage_.show(readModuleInformationResponse(packet));
      break;
    case LegacyResponseKind::EthernetInformation:
      networkPage_.show(readEthernetInformationResponse(packet));
      break;
    case LegacyResponseKind::WriteAcknowledged:
      shell_.messageBoxes.show("The MENU setting completed successfully.");
      menuPage_.reset();
      break;
    case LegacyResponseKind::WriteRefused:
      shell_.messageBoxes.show("Failed to write!!");
      break;
    case LegacyResponseKind::Presence:
      markIdentified();
      break;
    case LegacyResponseKind::Ignored:
      break;
  }
}

void LegacyResponseHandler::showIdentity(const PrinterInformation& info) {
  Dialog& panel = shell_.mainWindow;
  panel.setText(kModelNameLabel, "Model Name: " + info.modelName);
  panel.setText(kFirmwareLabel, "FW Version: " + info.firmwareVersion);
  panel.setText(kUpdateDateLabel, "Update date: " + info.updateDate);
  panel.setText(kSerialLabel, "SN: " + info.serialNumber);
  panel.setText(kPartitionLabel, "Partition Info: " + info.partition);
  if (info.fontVersions) {
    panel.setText(kSingleByteFontLabel,
                  fontText("Font Version Single Byte: ", info.fontVersions->singleByte));
    panel.setText(kDoubleByteFontLabel, fontText("Double Byte: ", info.fontVersions->doubleByte));
  }
}

void LegacyResponseHandler::markIdentified() {
  shell_.search.identityReceived = true;
  shell_.log(kZ3MLogColour, "Test Tool Conneted!!\n");
}

}  // namespace z3mq
