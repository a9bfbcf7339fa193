#include "fault_injector.h"

namespace vxhost {

void FaultInjector::FailNthCall(int64_t n, ai::Code code) {
  plan_ = Plan{"", calls_ + n, code};
  fired_ = false;
}

void FaultInjector::FailNthCallOf(const std::string& operation, int64_t n, ai::Code code) {
  plan_ = Plan{operation, callsOf(operation) + n, code};
  fired_ = false;
}

void FaultInjector::Disarm() { plan_.reset(); }

ai::Code FaultInjector::OnCall(const char* operation) {
  ++calls_;
  const int64_t ofOperation = ++perOperation_[operation];
  if (record_) recorded_.emplace_back(operation);
  if (!plan_) return ai::kNoError;
  const bool hit = plan_->operation.empty() ? calls_ == plan_->target
                                            : (plan_->operation == operation && ofOperation == plan_->target);
  if (!hit) return ai::kNoError;
  const ai::Code code = plan_->code;
  plan_.reset();
  fired_ = true;
  return code;
}

int64_t FaultInjector::callsOf(const std::string& operation) const {
  auto found = perOperation_.find(operation);
  return found == perOperation_.end() ? 0 : found->second;
}

void FaultInjector::Reset(bool record) {
  calls_ = 0;
  perOperation_.clear();
  recorded_.clear();
  record_ = record;
  plan_.reset();
  fired_ = false;
}

}  // namespace vxhost
