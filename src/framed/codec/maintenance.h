#pragma once

#include "framed/codec/frame.h"

namespace z3mq {

// PrintSettingPage: 54 12 and a third byte, which we send as 00.
FramedRequest printSettingPageRequest();

}  // namespace z3mq
