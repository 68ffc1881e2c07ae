#include "link/linux/linux_link.h"

#include "link/linux/device_node.h"
#include "link/linux/usb_discovery.h"

namespace z3mq {

LinuxLink::LinuxLink(Diagnostics diagnostics) : diagnostics_(std::move(diagnostics)) {}

LinuxLink::~LinuxLink() {
  close();
}

void LinuxLink::replaceDiscovery(std::string path, const PrinterModel& model) {
  fixedPath_ = std::move(path);
  fixedModel_ = &model;
}

int LinuxLink::open() {
  if (session().opened) return 1;
  if (fixedModel_ != nullptr) {
    session().deviceModel = fixedModel_;
    return openPath(fixedPath_, fixedModel_->family, fixedModel_->linkKind);
  }
  UniqueFd device = findUsbPrinter(session(), diagnostics_);
  // Without a printer found now, a path recorded earlier is not reopened: on Linux a node name
  // is reused by whatever device comes next.
  if (!device.valid()) return 0;
  session().family = session().deviceModel->family;
  session().linkKind = session().deviceModel->linkKind;
  return start(std::move(device));
}

int LinuxLink::openPath(const std::string& path, PrinterFamily family, LinkKind linkKind) {
  if (session().opened) return 1;
  session().devicePath = path;
  UniqueFd device = openPrinterNode(path, diagnostics_);
  if (!device.valid()) return 0;
  session().family = family;
  session().linkKind = linkKind;
  return start(std::move(device));
}

int LinuxLink::start(UniqueFd device) {
  framer_.reset();
  auto worker =
      std::make_unique<ReceiveWorker>(device.get(), session(), framer_, sink(), diagnostics_);
  if (!worker->valid()) return 0;
  if (sink() != nullptr) sink()->setAccepting(true);
  if (worker->start() == 0) {
    if (sink() != nullptr) sink()->setAccepting(false);
    return 0;
  }
  worker->signal(WorkerThread::Event::Series);
  {
    std::lock_guard lock(portMutex_);
    port_ = std::move(device);
  }
  worker_ = std::move(worker);
  session().opened = 1;
  return 1;
}

int LinuxLink::close() {
  if (!session().opened) return 1;
  // First release a worker that waits inside the sink for this very thread.
  if (sink() != nullptr) sink()->setAccepting(false);
  {
    std::lock_guard lock(portMutex_);
    discardTtyQueues(port_.get());
  }
  worker_->stop();
  worker_.reset();
  {
    std::lock_guard lock(portMutex_);
    port_.reset();
  }
  session().opened = 0;
  return 0;
}

bool LinuxLink::portValid() const {
  std::lock_guard lock(portMutex_);
  return port_.valid();
}

void LinuxLink::write(std::span<const std::uint8_t> bytes) {
  std::lock_guard lock(portMutex_);
  if (port_.valid()) writeWhole(port_.get(), bytes);
}

}  // namespace z3mq
