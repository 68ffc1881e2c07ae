#include "legacy/z3m_family.h"

#include "legacy/send_request.h"

namespace z3mq {

Z3MFamily::Z3MFamily(const Z3MShell& shell)
    : shell_(shell), menuPage_(shell), handler_(shell, menuPage_, networkPage_) {}

void Z3MFamily::probe() {
  sendRequest(shell_.link, informationRequest());
}

}  // namespace z3mq
