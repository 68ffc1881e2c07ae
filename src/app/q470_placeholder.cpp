#include "app/q470_placeholder.h"

namespace z3mq {

namespace {

DialogTemplate emptyPage(int id) {
  return DialogTemplate{
      .id = id, .widthDlu = 440, .heightDlu = 240, .font = {"MS Shell Dlg", 8}, .controls = {}};
}

}  // namespace

void Q470Placeholder::createPages(const Q470Shell&) {
  printing_.emplace(emptyPage(156));
  network_.emplace(emptyPage(157));
}

std::unique_ptr<Q470Family> makeQ470Family() {
  return std::make_unique<Q470Placeholder>();
}

}  // namespace z3mq
