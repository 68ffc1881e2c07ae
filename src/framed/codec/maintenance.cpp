#include "framed/codec/maintenance.h"

namespace z3mq {

FramedRequest printSettingPageRequest() {
  // The printer reads three bytes but only the first two are known to mean anything; 00 asks
  // for nothing extra and is what a zero-initialised request buffer would carry.
  return {FramedCode::PrintSettingPage, {0x54, 0x12, 0x00}};
}

}  // namespace z3mq
